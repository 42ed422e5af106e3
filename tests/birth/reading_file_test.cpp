#include "birth/reading_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "birth/validation.h"
#include "chart_window/text_export.h"
#include "tests/golden_charts.h"

namespace quendal {
namespace {

using Lines = std::array<std::string, kReadingLineCount>;

BirthData SampleBirth() {
  BirthData birth;
  birth.PersonName = "  Asha Rao ";
  birth.BirthMonth = 3;
  birth.BirthDay = 5;
  birth.BirthYear = 1980;
  birth.BirthHour = 7;
  birth.BirthMinute = 0;
  birth.LongitudeDegrees = 77;
  birth.LongitudeMinutes = 35;
  birth.LatitudeDegrees = 12;
  birth.LatitudeMinutes = 58;
  birth.LongitudeIsEast = true;
  birth.LatitudeIsSouth = false;
  birth.DaylightSaving = true;
  birth.BirthCity = "Bangalore";
  birth.BirthState = "Karnataka ";
  birth.BirthCountry = "India";
  return birth;
}

// Lines written the way another program with the same layout would, with its own shift.
std::string EncodeLines(const Lines& lines, int shift) {
  std::string out;
  for (const auto& line : lines) out += ShiftEncode(line, shift) + "\r\n";
  return out;
}

Lines FullLines() {
  return {"Asha Rao", "3",  "5",    "1980",  "7",    "0",         "45",        "77",   "35",
          "12",       "58", "True", "False", "True", "Bangalore", "Karnataka", "India"};
}

TEST(ReadingFileTest, WritesSeventeenShiftedLinesWithStrippedTexts) {
  const std::string bytes = EncodeReading(SampleBirth(), 45);
  const Lines expected = {"Asha Rao", "3",    "5",         "1980",      "7",    "0",
                          "45",       "77",   "35",        "12",        "58",   "True",
                          "False",    "True", "Bangalore", "Karnataka", "India"};
  size_t at = 0;
  for (const auto& text : expected) {
    for (const char c : text) {
      ASSERT_EQ(static_cast<unsigned char>(bytes[at]), static_cast<unsigned char>(c) + ReadingShift)
          << text;
      ++at;
    }
    ASSERT_EQ(bytes.substr(at, 2), "\r\n") << text;
    at += 2;
  }
  EXPECT_EQ(at, bytes.size());
}

TEST(ReadingFileTest, ShiftWorksOnWindows1252BytesAndDropsWhatCannotMove) {
  // é is one byte (E9) in the file, € is 80; ÿ (FF) cannot move up and is left out.
  EXPECT_EQ(ShiftEncode("é€ÿA", 1),
            "\xEA\x81"
            "B");
  EXPECT_EQ(ShiftDecode("\xEA\x81"
                        "B",
                        1),
            "é€A");
  EXPECT_EQ(ShiftDecode(std::string("\x00", 1) + "B", 1), "A");
  // Characters Windows-1252 lacks are dropped rather than written as something else.
  EXPECT_EQ(ToWindows1252("a\xE4\xB8\xAD"
                          "b"),
            "ab");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(ToWindows1252(FromWindows1252(one)), one) << byte;
  }
}

// Every letter the form's filter lets through survives the file, the top ones (ï to ÿ) in two
// bytes that never make a line end; what fitted before is written as before.
TEST(ReadingFileTest, EveryLetterTheFormAcceptsSurvivesTheFile) {
  std::string letters;
  for (int byte = 1; byte < 256; ++byte) {
    const std::string utf8 = FromWindows1252(std::string(1, static_cast<char>(byte)));
    // The code point of one to three UTF-8 bytes.
    char32_t code = static_cast<unsigned char>(utf8[0]);
    if (utf8.size() > 1) code &= 0x3F >> (utf8.size() - 1);
    for (size_t k = 1; k < utf8.size(); ++k) code = code << 6 | (utf8[k] & 0x3F);
    if (PassesLettersFilter(code) && code != 8 && code != 127) letters += utf8;
  }
  // Letters and the blank, - ' . and ’, 62 Latin-1 letters and 7 of 80 to 9F.
  EXPECT_EQ(letters.size(), 52u + 1 + 3 + 3 + 62 * 2 + 7 * 2);
  BirthData birth;
  birth.PersonName = "Jean-Luc O'Brien " + letters;
  birth.BirthCity = "Zürich";
  birth.BirthState = "St. Louis";
  birth.BirthCountry = "Winston-Salem";
  const std::string bytes = EncodeReading(birth, 34);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kReadingLineCount);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), kReadingLineCount);
  const auto lines = DecodeReading(bytes);
  EXPECT_EQ(lines[0], birth.PersonName);
  EXPECT_EQ(lines[14], "Zürich");
  EXPECT_EQ(lines[15], "St. Louis");
  EXPECT_EQ(lines[16], "Winston-Salem");
  // The export writes the texts as they are.
  const std::string exported = ExportChartText(birth, test::GoldenCharts().at(0).chart, "July");
  for (const std::string& text : {birth.PersonName, birth.BirthCity, birth.BirthState})
    EXPECT_NE(exported.find(text), std::string::npos) << text;
  EXPECT_EQ(ShiftEncode("ü"), "\x11\x1e");
  EXPECT_EQ(ShiftEncode("é"), "\xfa");
}

TEST(ReadingFileTest, EveryGoldenBirthRoundTrips) {
  int count = 0;
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    const BirthData& birth = golden.birth;
    const int zone_row = golden.zone_row;

    const auto fill = InterpretReading(DecodeReading(EncodeReading(birth, zone_row)));
    ASSERT_TRUE(fill.has_value());
    EXPECT_EQ(fill->txtName, birth.PersonName);
    EXPECT_EQ(fill->MonthPosition, birth.BirthMonth - 1);
    EXPECT_EQ(fill->DayText, std::to_string(birth.BirthDay));
    EXPECT_EQ(fill->YearText, std::to_string(birth.BirthYear));
    EXPECT_EQ(fill->HourText, std::to_string(birth.BirthHour));
    EXPECT_EQ(fill->MinuteText, std::to_string(birth.BirthMinute));
    EXPECT_EQ(fill->ZoneRow, zone_row);
    EXPECT_EQ(fill->txtLonD, std::to_string(birth.LongitudeDegrees));
    EXPECT_EQ(fill->txtLonM, std::to_string(birth.LongitudeMinutes));
    EXPECT_EQ(fill->txtLatD, std::to_string(birth.LatitudeDegrees));
    EXPECT_EQ(fill->txtLatM, std::to_string(birth.LatitudeMinutes));
    EXPECT_EQ(fill->LongitudeIsEast, birth.LongitudeIsEast);
    EXPECT_EQ(fill->LatitudeIsSouth, birth.LatitudeIsSouth);
    EXPECT_EQ(fill->DaylightSaving, birth.DaylightSaving);
    EXPECT_EQ(fill->txtCity, birth.BirthCity);
    EXPECT_EQ(fill->txtState, birth.BirthState);
    EXPECT_EQ(fill->txtCountry, birth.BirthCountry);
    ++count;
  }
  EXPECT_EQ(count, 200);
}

TEST(ReadingFileTest, FindsTheShiftOfAFileWrittenElsewhere) {
  for (const int shift : {1, 3, 50, 99}) {
    EXPECT_EQ(DecodeReading(EncodeLines(FullLines(), shift)), FullLines()) << shift;
  }
  // A line 12 that is no truth value under any shift: the file is read with ours.
  Lines odd = FullLines();
  odd[11] = "1";
  EXPECT_EQ(DecodeReading(EncodeLines(odd, ReadingShift)), odd);
  // Lone LF endings and a missing last line end are read too.
  std::string unix_style;
  for (const auto& line : FullLines()) unix_style += ShiftEncode(line) + "\n";
  unix_style.pop_back();
  EXPECT_EQ(DecodeReading(unix_style), FullLines());
}

TEST(ReadingFileTest, ShortFileLeavesListsAndEmptiesTheRest) {
  Lines five{};
  for (int n = 0; n < 5; ++n) five[n] = FullLines()[n];
  std::string bytes;
  for (int n = 0; n < 5; ++n) bytes += ShiftEncode(five[n]) + "\r\n";
  const auto fill = InterpretReading(DecodeReading(bytes));
  ASSERT_TRUE(fill.has_value());
  EXPECT_EQ(fill->txtName, "Asha Rao");
  EXPECT_EQ(fill->YearText, "1980");
  EXPECT_EQ(fill->HourText, "7");
  EXPECT_FALSE(fill->MinuteText.has_value());
  EXPECT_FALSE(fill->ZoneRow.has_value());
  EXPECT_TRUE(fill->txtLatD.empty());
  EXPECT_TRUE(fill->txtLonD.empty());
  EXPECT_TRUE(fill->txtCity.empty());
  EXPECT_FALSE(fill->LongitudeIsEast);
  FormEntry entry;
  entry.txtName = fill->txtName;
  entry.txtLatD = fill->txtLatD;
  entry.txtLatM = fill->txtLatM;
  entry.txtLonD = fill->txtLonD;
  entry.txtLonM = fill->txtLonM;
  entry.txtCity = fill->txtCity;
  entry.txtState = fill->txtState;
  entry.txtCountry = fill->txtCountry;
  const auto problem = ValidateInput(entry);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->message, "Please Enter Degree of Latitude");

  const auto nothing = InterpretReading(DecodeReading(""));
  ASSERT_TRUE(nothing.has_value());
  EXPECT_TRUE(nothing->txtName.empty());
  EXPECT_FALSE(nothing->MonthPosition.has_value());
}

TEST(ReadingFileTest, RefusesValuesThatFitNoItem) {
  const std::vector<std::pair<int, std::string>> bad = {
      {1, "13"}, {1, "0"},  {1, "x"},  {2, "32"}, {2, "05"},   {3, "1899"},
      {4, "24"}, {5, "60"}, {6, "80"}, {6, "-1"}, {7, "1234"}, {10, "0045"}};
  for (const auto& [line, text] : bad) {
    Lines lines = FullLines();
    lines[line] = text;
    EXPECT_FALSE(InterpretReading(lines).has_value()) << line + 1 << " " << text;
  }
  Lines empty_lists = FullLines();
  for (int n = 1; n <= 6; ++n) empty_lists[n].clear();
  EXPECT_TRUE(InterpretReading(empty_lists).has_value());
}

TEST(ReadingFileTest, FlagsAndExtension) {
  for (const char* yes : {"True", "TRUE", "true", "1", "-1", "2.5"}) {
    EXPECT_TRUE(ReadingFlagIsTrue(yes)) << yes;
  }
  for (const char* no : {"False", "0", "0.0", "", "yes", "nan"}) {
    EXPECT_FALSE(ReadingFlagIsTrue(no)) << no;
  }
  EXPECT_TRUE(HasReadingExtension("/home/a/reading.kdl"));
  EXPECT_FALSE(HasReadingExtension("/home/a/READING.KDL"));
  EXPECT_FALSE(HasReadingExtension("/home/a/reading.txt"));
  EXPECT_FALSE(ReadFileBytes("/nonexistent/reading.kdl").has_value());
}

TEST(ReadingFileTest, AFileLongerThanAnyReadingIsRefused) {
  const std::string path = testing::TempDir() + "reading_limit.kdl";
  for (const std::size_t size : {kMaxReadingBytes, kMaxReadingBytes + 1}) {
    std::ofstream(path, std::ios::binary) << std::string(size, 'a');
    const auto bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.has_value(), size == kMaxReadingBytes) << size;
    EXPECT_EQ(bytes.value_or("").size(), bytes ? size : 0);
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace quendal
