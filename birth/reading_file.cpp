#include "birth/reading_file.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "positions/text_blanks.h"
#include "positions/time_zones.h"

namespace quendal {
namespace {

std::string FlagText(bool value) { return value ? "True" : "False"; }

std::array<std::string, kReadingLineCount> SplitLines(std::string_view bytes) {
  std::array<std::string, kReadingLineCount> lines;
  size_t start = 0;
  for (int n = 0; n < kReadingLineCount && start < bytes.size(); ++n) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    lines[n] = std::string(bytes.substr(start, end - start));
    start = end;
    // A line ends at CR, LF or CR LF.
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

bool IsTruthValue(std::string_view decoded) { return decoded == "True" || decoded == "False"; }

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

// Lines 2 and 7: a list position from a number. Empty keeps the list; a number outside it
// (or no number) refuses the file.
bool PositionFromLine(const std::string& line, int count, int offset, std::optional<int>& out) {
  if (line.empty()) return true;
  const auto value = WholeNumber(line);
  if (!value || *value - offset < 0 || *value - offset >= count) return false;
  out = *value - offset;
  return true;
}

// Lines 3 to 6: the item whose text equals the line, items being first..last in decimal.
bool ItemFromLine(const std::string& line, int first, int last, std::optional<std::string>& out) {
  if (line.empty()) return true;
  for (int item = first; item <= last; ++item) {
    if (line == std::to_string(item)) {
      out = line;
      return true;
    }
  }
  return false;
}

}  // namespace

// The letters from EF (ï) to FF (ÿ) cannot move up by the shift. Each is written as two
// bytes instead: the shifted code of NUL, which no text of the form holds, then its own code
// wrapped past 255 and shifted once more, which lands between the shift and twice the shift
// and so never on a line end (13) when the shift is larger than that.
bool EscapesHighCodes(int shift) { return shift > '\r' && shift <= 127; }

std::string ShiftEncode(std::string_view text, int shift) {
  std::string out;
  for (const char c : ToWindows1252(text)) {
    const int code = static_cast<unsigned char>(c) + shift;
    if (code <= 255) {
      out += static_cast<char>(code);
    } else if (EscapesHighCodes(shift)) {
      out += static_cast<char>(shift);
      out += static_cast<char>(code - 256 + shift);
    }
  }
  return out;
}

std::string ShiftDecode(std::string_view bytes, int shift) {
  std::string plain;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const int code = static_cast<unsigned char>(bytes[i]) - shift;
    if (code == 0 && EscapesHighCodes(shift) && i + 1 < bytes.size()) {
      plain += static_cast<char>(static_cast<unsigned char>(bytes[++i]) + 256 - 2 * shift);
    } else if (code >= 0) {
      plain += static_cast<char>(code);
    }
  }
  return FromWindows1252(plain);
}

std::string EncodeReading(const BirthData& birth, int zone_row) {
  const std::array<std::string, kReadingLineCount> texts = {
      birth.PersonName,
      std::to_string(birth.BirthMonth),
      std::to_string(birth.BirthDay),
      std::to_string(birth.BirthYear),
      std::to_string(birth.BirthHour),
      std::to_string(birth.BirthMinute),
      std::to_string(zone_row),
      std::to_string(birth.LongitudeDegrees),
      std::to_string(birth.LongitudeMinutes),
      std::to_string(birth.LatitudeDegrees),
      std::to_string(birth.LatitudeMinutes),
      FlagText(birth.LongitudeIsEast),
      FlagText(birth.LatitudeIsSouth),
      FlagText(birth.DaylightSaving),
      birth.BirthCity,
      birth.BirthState,
      birth.BirthCountry,
  };
  std::string out;
  for (const auto& text : texts) {
    out += ShiftEncode(TrimBlanks(text));
    out += "\r\n";
  }
  return out;
}

std::array<std::string, kReadingLineCount> DecodeReading(std::string_view bytes) {
  const auto raw = SplitLines(bytes);
  int shift = ReadingShift;
  if (!IsTruthValue(ShiftDecode(raw[11], ReadingShift))) {
    for (int candidate = 1; candidate <= 99; ++candidate) {
      if (IsTruthValue(ShiftDecode(raw[11], candidate))) {
        shift = candidate;
        break;
      }
    }
  }
  std::array<std::string, kReadingLineCount> lines;
  for (int n = 0; n < kReadingLineCount; ++n) lines[n] = ShiftDecode(raw[n], shift);
  return lines;
}

bool HasReadingExtension(std::string_view path) {
  return path.size() >= 3 && path.substr(path.size() - 3) == "kdl";
}

bool ReadingFlagIsTrue(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() == 4) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return true;
  }
  if (text.empty()) return false;
  const char lead = text.front();
  if (!(std::isdigit(static_cast<unsigned char>(lead)) || lead == '-' || lead == '+' ||
        lead == '.')) {
    return false;
  }
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  return end == copy.c_str() + copy.size() && value != 0.0;
}

std::optional<ReadingFormFill> InterpretReading(
    const std::array<std::string, kReadingLineCount>& lines) {
  ReadingFormFill fill;
  fill.txtName = lines[0];
  if (!PositionFromLine(lines[1], 12, 1, fill.MonthPosition) ||
      !ItemFromLine(lines[2], 1, 31, fill.DayText) ||
      !ItemFromLine(lines[3], 1901, 2050, fill.YearText) ||
      !ItemFromLine(lines[4], 0, 23, fill.HourText) ||
      !ItemFromLine(lines[5], 0, 59, fill.MinuteText) ||
      !PositionFromLine(lines[6], kTimeZoneRowCount, 0, fill.ZoneRow)) {
    return std::nullopt;
  }
  // The form's coordinate fields hold three characters; a longer value would be cut to
  // another number.
  constexpr size_t kCoordinateLength = 3;
  for (int n = 7; n <= 10; ++n) {
    if (lines[n].size() > kCoordinateLength) return std::nullopt;
  }
  fill.txtLonD = lines[7];
  fill.txtLonM = lines[8];
  fill.txtLatD = lines[9];
  fill.txtLatM = lines[10];
  fill.LongitudeIsEast = ReadingFlagIsTrue(lines[11]);
  fill.LatitudeIsSouth = ReadingFlagIsTrue(lines[12]);
  fill.DaylightSaving = ReadingFlagIsTrue(lines[13]);
  fill.txtCity = lines[14];
  fill.txtState = lines[15];
  fill.txtCountry = lines[16];
  return fill;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte past the limit is enough to know; the size on record may be wrong (/proc).
  std::string bytes(kMaxReadingBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || static_cast<std::size_t>(in.gcount()) > kMaxReadingBytes) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace quendal
