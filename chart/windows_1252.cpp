#include "chart/windows_1252.h"

#include <array>
#include <optional>

namespace quendal {
namespace {

// Code points of Windows-1252 bytes 0x80 to 0x9F. The five unassigned bytes map to the C1
// control of the same number, as Windows itself does, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Next code point of utf8 from position i; malformed bytes give nullopt and are skipped.
std::optional<char32_t> NextCodePoint(std::string_view utf8, size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
      return std::nullopt;
    }
    code = (code << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
  }
  return code;
}

std::optional<unsigned char> Windows1252Byte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == code) return static_cast<unsigned char>(0x80 + k);
  }
  return std::nullopt;
}

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto code = NextCodePoint(utf8, i);
    if (!code) continue;
    if (const auto byte = Windows1252Byte(*code)) out += static_cast<char>(*byte);
  }
  return out;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
  }
  return out;
}

}  // namespace quendal
