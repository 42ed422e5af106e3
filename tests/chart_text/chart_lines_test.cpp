#include "chart_text/chart_lines.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(ChartLines, HouseCellsSplitIntoTrimmedEntries) {
  const struct {
    const char* cell;
    std::vector<std::string> entries;
    const char* line;
  } cases[] = {
      {"", {}, "-"},
      {"\r\nSun", {"Sun"}, "Sun"},
      {"\r\nSun\r\n Mars (R) \r\nAsc", {"Sun", "Mars (R)", "Asc"}, "Sun, Mars (R), Asc"},
      {"\r\n\r\n  \r\nKetu\r\n", {"Ketu"}, "Ketu"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CellEntryTexts(c.cell), c.entries) << c.cell;
    EXPECT_EQ(CellLine(c.cell), c.line) << c.cell;
  }
}

TEST(ChartLines, BirthDetailsAndNakshatra) {
  BirthData birth;
  birth.PersonName = "Asha";
  birth.BirthDay = 9;
  birth.BirthYear = 1984;
  birth.BirthHour = 5;
  birth.BirthMinute = 40;
  birth.LatitudeDegrees = 18;
  birth.LatitudeMinutes = 31;
  const BirthDetailTexts lines = BirthDetails(birth, "July");
  EXPECT_EQ(lines.name, "Name: Asha");
  EXPECT_EQ(lines.date, "Date of Birth: July 9, 1984");
  EXPECT_EQ(lines.time, "Time of Birth: 5 Hour 40 Minute");
  EXPECT_EQ(lines.latitude, "Latitude: 18 Degree 31 Minute");
  EXPECT_EQ(DashaMoonLine({14, 4, 5}), "Moon in Swati, pada 4, lord Rahu");
}

}  // namespace
}  // namespace quendal
