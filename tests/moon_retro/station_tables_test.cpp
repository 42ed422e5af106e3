#include "moon_retro/station_tables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/moon_retro/station_text.h"

namespace quendal {
namespace {

using test::ReadStation;

struct PlanetTable {
  const char* name;
  const StationTable& (*fill)();
  size_t count;
  const char* first_start;
  const char* first_end;
  const char* last_start;
  const char* last_end;
  int shortest_days;
  int longest_days;
};

const PlanetTable kPlanets[] = {
    {"Mercury", FillMercuryStations, 476, "3,15,1900,13,19,", "4,7,1900,18,42,", "12,1,2050,17,17,",
     "12,21,2050,11,33,", 19, 24},
    {"Venus", FillVenusStations, 95, "6,16,1900,22,56,", "7,30,1900,2,44,", "9,25,2050,22,15,",
     "11,6,2050,19,4,", 40, 43},
    {"Mars", FillMarsStations, 71, "1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,",
     "9,13,2050,9,41,", 59, 81},
    {"Jupiter", FillJupiterStations, 139, "3,27,1900,20,39,", "7,29,1900,1,35,",
     "12,21,2050,13,21,", "4,21,2051,23,46,", 116, 124},
    {"Saturn", FillSaturnStations, 146, "4,14,1900,6,2,", "9,2,1900,14,39,", "5,18,2050,13,6,",
     "10,6,2050,11,5,", 133, 141},
};

class StationTableTest : public testing::TestWithParam<PlanetTable> {};

TEST_P(StationTableTest, HoldsTheFixedCountAndEnds) {
  const PlanetTable& planet = GetParam();
  const StationTable& table = planet.fill();
  ASSERT_EQ(table.RetrogradeStarts.size(), planet.count);
  ASSERT_EQ(table.RetrogradeEnds.size(), planet.count);
  ASSERT_EQ(table.StartDays.size(), planet.count);
  ASSERT_EQ(table.EndDays.size(), planet.count);
  EXPECT_EQ(table.RetrogradeStarts.front(), planet.first_start);
  EXPECT_EQ(table.RetrogradeEnds.front(), planet.first_end);
  EXPECT_EQ(table.RetrogradeStarts.back(), planet.last_start);
  EXPECT_EQ(table.RetrogradeEnds.back(), planet.last_end);
}

// Form, order and length of every period, and the day numbers worked out when compiling
// against the standard calendar (whose epoch is the same 1970-01-01).
TEST_P(StationTableTest, EveryPeriodIsWellFormedOrderedAndOfPlausibleLength) {
  const PlanetTable& planet = GetParam();
  const StationTable& table = planet.fill();
  std::chrono::sys_time<std::chrono::minutes> previous_end{};
  for (size_t i = 0; i < table.RetrogradeStarts.size(); ++i) {
    SCOPED_TRACE(std::string(planet.name) + " period " + std::to_string(i));
    const auto start = ReadStation(table.RetrogradeStarts[i]);
    const auto end = ReadStation(table.RetrogradeEnds[i]);
    ASSERT_TRUE(start.has_value()) << table.RetrogradeStarts[i];
    ASSERT_TRUE(end.has_value()) << table.RetrogradeEnds[i];
    if (i > 0) {
      EXPECT_LT(previous_end, start->minute);
    }
    EXPECT_LT(start->minute, end->minute);
    const auto days = std::chrono::floor<std::chrono::days>(end->minute - start->minute).count();
    EXPECT_GE(days, planet.shortest_days);
    EXPECT_LE(days, planet.longest_days);
    EXPECT_EQ(table.StartDays[i], start->date.time_since_epoch().count());
    EXPECT_EQ(table.EndDays[i], end->date.time_since_epoch().count());
    previous_end = end->minute;
  }
}

INSTANTIATE_TEST_SUITE_P(Planets, StationTableTest, testing::ValuesIn(kPlanets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StationTextTest, RefusesMalformedEntries) {
  EXPECT_TRUE(ReadStation("12,31,2050,23,59,").has_value());
  for (const char* text : {"03,15,1900,13,19,", "3,15,1900,13,19", "2,30,1901,1,1,",
                           "3,15,1900,24,0,", "3,15,1900,13,60,", "3,15,1900,13,19,,"}) {
    EXPECT_FALSE(ReadStation(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace quendal
