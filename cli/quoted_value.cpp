#include "cli/quoted_value.h"

#include <cstdio>

namespace quendal::cli {
namespace {

constexpr std::size_t kQuotedCharacters = 80;

// The length of the well-formed UTF-8 character at the start of text, 0 when there is none.
std::size_t CharacterLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t length = 0;
  if (byte(0) < 0x80) {
    length = 1;
  } else if (byte(0) >= 0xC2 && byte(0) < 0xE0) {
    length = 2;
  } else if (byte(0) >= 0xE0 && byte(0) < 0xF0) {
    length = 3;
  } else if (byte(0) >= 0xF0 && byte(0) < 0xF5) {
    length = 4;
  }
  if (length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsControl(std::string_view character) {
  const auto byte = [&character](std::size_t i) {
    return static_cast<unsigned char>(character[i]);
  };
  if (character.size() == 1) return byte(0) < 0x20 || byte(0) == 0x7F;
  return byte(0) == 0xC2 && byte(1) < 0xA0;  // U+0080 to U+009F
}

// Appends at most `limit` characters of text, escaped; true when all of it fitted.
bool AppendEscaped(std::string& out, std::string_view text, std::size_t limit) {
  for (std::size_t characters = 0; !text.empty(); ++characters) {
    if (characters == limit) return false;
    const std::size_t length = CharacterLength(text);
    if (length > 0 && !IsControl(text.substr(0, length))) {
      out.append(text.substr(0, length));
      text.remove_prefix(length);
      continue;
    }
    // A control character is escaped whole, a stray byte alone.
    const std::size_t escaped = length > 0 ? length : 1;
    for (std::size_t i = 0; i < escaped; ++i) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(text[i]));
      out += escape;
    }
    text.remove_prefix(escaped);
  }
  return true;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string out;
  AppendEscaped(out, text, text.size());
  return out;
}

std::string QuotedValue(std::string_view text) {
  std::string out = "'";
  if (!AppendEscaped(out, text, kQuotedCharacters)) out += "...";
  return out + "'";
}

}  // namespace quendal::cli
