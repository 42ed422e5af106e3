#include "birth/chart_calculation.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

#include "moon_retro/moon.h"
#include "positions/ascendant.h"
#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"
#include "positions/planet_positions.h"
#include "positions/time_zones.h"
#include "tests/golden_charts.h"

namespace quendal {
namespace {

using test::GoldenChart;
using test::GoldenCharts;

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

template <std::size_t N>
void ExpectTexts(const std::array<std::string, N>& actual, const QJsonValue& expected,
                 const char* what) {
  const QJsonArray array = expected.toArray();
  ASSERT_EQ(array.size(), static_cast<qsizetype>(N)) << what;
  for (std::size_t i = 0; i < N; ++i) EXPECT_EQ(actual[i], Text(array[i])) << what << " " << i;
}

// The golden cells carry plain body names; the retrograde marks have tests of their own.
template <std::size_t N>
std::array<std::string, N> WithoutRetrogradeMarks(std::array<std::string, N> cells) {
  for (std::string& cell : cells) {
    for (std::size_t at; (at = cell.find(" (R) ")) != std::string::npos;) cell.erase(at, 5);
  }
  return cells;
}

TEST(GoldenCharts, AllTwoHundredBirthsAreRead) { EXPECT_EQ(GoldenCharts().size(), 200u); }

// Intermediate values first: when a text disagrees, these say which stage went wrong.
TEST(GoldenCharts, TimeArgumentsAndLongitudesAgree) {
  for (const GoldenChart& g : GoldenCharts()) {
    SCOPED_TRACE("golden chart " + std::to_string(g.id));
    const BirthData birth = StoreZoneRow(g.birth, g.zone_row);
    const QJsonObject& e = g.expected;
    const QJsonObject zone = e["zone"].toObject();
    EXPECT_EQ(birth.ZoneHours, zone["ZoneHours"].toInt());
    EXPECT_EQ(birth.ZoneMinutes, zone["ZoneMinutes"].toInt());
    EXPECT_EQ(birth.ZoneHoursText, Text(zone["ZoneHoursText"]));
    EXPECT_EQ(birth.ZoneMinutesText, Text(zone["ZoneMinutesText"]));

    EXPECT_NEAR(ApplyHemisphereRule(birth).U, e["ut_hemisphere"].toDouble(), 1e-12);
    EXPECT_EQ(JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear),
              e["julian_day"].toDouble());
    const QJsonArray ut = e["ut_calendar"].toArray();
    const CivilDateTime expected_ut{ut[0].toInt(), ut[1].toInt(), ut[2].toInt(), ut[3].toInt(),
                                    ut[4].toInt()};
    EXPECT_EQ(ApplyCalendarRule(birth), expected_ut);

    const PlanetPositions planets = ComputePlanetPositions(birth);
    EXPECT_NEAR(planets.d, e["d"].toDouble(), 1e-9);
    const AscendantPosition ascendant = ComputeAscendantPosition(birth);
    EXPECT_NEAR(ascendant.theta, e["theta"].toDouble(), 1e-9);

    const double lon[10] = {planets.longitudes[kSun],
                            MoonLongitude(birth),
                            planets.longitudes[kMercury],
                            planets.longitudes[kVenus],
                            planets.longitudes[kMars],
                            planets.longitudes[kJupiter],
                            planets.longitudes[kSaturn],
                            planets.Rahu,
                            planets.Ketu,
                            ascendant.longitude};
    const QJsonArray expected_lon = e["lon"].toArray();
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(lon[i], expected_lon[i].toDouble(), 1e-9) << i;
  }
}

TEST(GoldenCharts, EveryTextCellAndPictureAgrees) {
  for (const GoldenChart& g : GoldenCharts()) {
    SCOPED_TRACE("golden chart " + std::to_string(g.id));
    const QJsonObject& e = g.expected;
    const Chart chart = CalculateChart(StoreZoneRow(g.birth, g.zone_row));
    const std::array<std::string, 10> long_texts = {
        chart.PlanetTexts[kSun],    chart.MoonText,           chart.PlanetTexts[kMercury],
        chart.PlanetTexts[kVenus],  chart.PlanetTexts[kMars], chart.PlanetTexts[kJupiter],
        chart.PlanetTexts[kSaturn], chart.RahuText,           chart.KetuText,
        chart.AscendantText};
    ExpectTexts(long_texts, e["long"], "long");
    ExpectTexts(chart.PositionsTable, e["table"], "table");
    EXPECT_EQ(chart.MoonSignName, Text(e["MoonSignName"]));
    EXPECT_EQ(chart.SunSign, Text(e["SunSign"]));
    ExpectTexts(WithoutRetrogradeMarks(chart.SignCells), e["sign_cells"], "sign cell");
    ExpectTexts(WithoutRetrogradeMarks(chart.HouseCells), e["house_cells"], "house cell");
    const QJsonArray pictures = e["img_sign"].toArray();
    for (int h = 0; h < 12; ++h) EXPECT_EQ(chart.SignPictures[h], pictures[h].toInt()) << h;
  }
}

TEST(StoreZoneRow, MagnitudesAndSignedTextsOfEveryRow) {
  const TimeZoneTable& table = FillTimeZoneTable();
  for (int row = 0; row < kTimeZoneRowCount; ++row) {
    const BirthData birth = StoreZoneRow(BirthData{}, row);
    EXPECT_EQ(birth.ZoneHoursText, table.TimeZoneHourOffsets[row]);
    EXPECT_EQ(birth.ZoneMinutesText, table.TimeZoneMinuteOffsets[row]);
    EXPECT_EQ(birth.ZoneHours, std::abs(std::stoi(birth.ZoneHoursText)));
    EXPECT_EQ(birth.ZoneMinutes, std::abs(std::stoi(birth.ZoneMinutesText)));
  }
  const BirthData india = StoreZoneRow(BirthData{}, 34);
  EXPECT_EQ(StoreZoneRow(india, 71), india);
  EXPECT_EQ(StoreZoneRow(india, -1), india);
}

// For every zone row across a century and a half of dates: every table row names a sign,
// every body lands in exactly one cell, and house 1 holds the ascendant's cell and picture.
TEST(CalculateChart, CellsHoldEveryBodyOnceForEveryZoneRow) {
  for (int row = 0; row < kTimeZoneRowCount; ++row) {
    for (int i = 0; i < 40; ++i) {
      BirthData birth;
      birth.BirthYear = 1901 + (i * 37 + row) % 150;
      birth.BirthMonth = 1 + (i * 5 + row) % 12;
      birth.BirthDay = 1 + (i * 11 + row) % 28;
      birth.BirthHour = (i * 7 + row) % 24;
      birth.BirthMinute = (i * 13) % 60;
      birth.DaylightSaving = i % 3 == 0;
      birth.LongitudeDegrees = (i * 29 + row * 3) % 181;
      birth.LongitudeIsEast = i % 2 == 0;
      birth.LatitudeDegrees = (i * 17) % 67;
      birth.LatitudeIsSouth = i % 4 == 1;
      birth = StoreZoneRow(birth, row);
      const Chart chart = CalculateChart(birth);
      SCOPED_TRACE("row " + std::to_string(row) + " birth " + std::to_string(i));

      std::string all_cells;
      for (const std::string& row_text : chart.PositionsTable) {
        ASSERT_EQ(row_text.size(), 9u) << row_text;
        ASSERT_GE(SignIndex(TableEntrySign(row_text)), 0) << row_text;
      }
      for (const std::string& cell : chart.SignCells) {
        ASSERT_NE(cell, "\r\n");
        ASSERT_TRUE(cell.empty() || cell.starts_with("\r\n"));
        all_cells += cell;
      }
      std::size_t lines = 0;
      for (std::size_t at = 0; (at = all_cells.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
      ASSERT_EQ(lines, 10u);
      ASSERT_TRUE(chart.HouseCells[0].ends_with("\r\nAsc"));
      ASSERT_EQ(chart.SignPictures[0], chart.AscendantSign + 1);
      for (int h = 0; h < 12; ++h)
        ASSERT_EQ(chart.HouseCells[h], chart.SignCells[chart.SignPictures[h] - 1]);
    }
  }
}

}  // namespace
}  // namespace quendal
