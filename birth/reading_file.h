// The reading file: 17 shifted Windows-1252 lines that keep one birth entry, and the rules by
// which a file read back fills the birth-data form.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "chart/windows_1252.h"

namespace quendal {

// Added to every character code when writing; any whole number from 1 to 99 keeps printable
// characters inside one byte.
inline constexpr int ReadingShift = 17;
inline constexpr int kReadingLineCount = 17;
inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";

// UTF-8 text in, shifted Windows-1252 bytes out. A code that would pass 255 takes two bytes
// when the shift is 14 to 127 (ours is), and is dropped otherwise.
std::string ShiftEncode(std::string_view text, int shift = ReadingShift);
// Shifted Windows-1252 bytes in, UTF-8 text out; a code that would fall below 0 is dropped.
std::string ShiftDecode(std::string_view bytes, int shift = ReadingShift);

// The whole file: 17 lines, each ShiftEncode of the blank-stripped text and CR LF.
std::string EncodeReading(const BirthData& birth, int zone_row);

// Up to 17 decoded lines; lines missing at the end are empty. The file's shift is ours when
// line 12 decodes to "True" or "False" with it, otherwise the first of 1 to 99 that does, and
// ours again when none does.
std::array<std::string, kReadingLineCount> DecodeReading(std::string_view bytes);

// The last three characters are exactly "kdl".
bool HasReadingExtension(std::string_view path);

// What reading does to each control of the form. An empty optional keeps the control's
// current selection; text fields and flags are always written.
struct ReadingFormFill {
  std::string txtName;
  std::optional<int> MonthPosition;  // 0 = January
  std::optional<std::string> DayText;
  std::optional<std::string> YearText;
  std::optional<std::string> HourText;
  std::optional<std::string> MinuteText;
  std::optional<int> ZoneRow;
  std::string txtLonD;
  std::string txtLonM;
  std::string txtLatD;
  std::string txtLatM;
  bool LongitudeIsEast = false;
  bool LatitudeIsSouth = false;
  bool DaylightSaving = false;
  std::string txtCity;
  std::string txtState;
  std::string txtCountry;

  bool operator==(const ReadingFormFill&) const = default;
};

// The fill for decoded lines, or nullopt when the file must be refused with
// kCheckFileMessage: a non-empty date, time or zone line that names no item of its list, or
// a coordinate longer than its three-character field (either would give a chart for another
// birth than the file holds).
std::optional<ReadingFormFill> InterpretReading(
    const std::array<std::string, kReadingLineCount>& lines);

// "True" in any letter case or a non-zero number.
bool ReadingFlagIsTrue(std::string_view text);

// A reading is 17 short lines; anything longer is not one.
inline constexpr std::size_t kMaxReadingBytes = 65536;

// Reads the file at path; nullopt when it cannot be read at all or holds more than
// kMaxReadingBytes, which is found without reading it whole.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace quendal
