#include "moon_retro/retrogrades.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "moon_retro/station_tables.h"
#include "tests/moon_retro/station_text.h"
#include "tests/test_births.h"

namespace quendal {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

BirthData Birth(int y, int m, int d, int hour = 12, int minute = 0) {
  return test::BirthAt(y, m, d, hour, minute);
}

bool Mercury(int y, int m, int d, int hour, int minute) {
  return IsRetrograde(BirthMoment{y, m, d, hour, minute}, "Mercury");
}

// Mercury stood still on 26 February and 21 March 1901: the station days themselves are
// direct whatever the clock says, the days between are retrograde.
TEST(IsRetrogradeTest, StationDaysAreNeverRetrograde) {
  EXPECT_FALSE(Mercury(1901, 2, 26, 23, 59));
  EXPECT_TRUE(Mercury(1901, 2, 27, 0, 0));
  EXPECT_TRUE(Mercury(1901, 3, 20, 23, 59));
  EXPECT_FALSE(Mercury(1901, 3, 21, 0, 0));
}

TEST(IsRetrogradeTest, PeriodMayStraddleTheNewYear) {
  // Mercury retrograde from 14 December 1990 to 3 January 1991.
  EXPECT_TRUE(Mercury(1990, 12, 31, 12, 0));
  EXPECT_TRUE(Mercury(1991, 1, 1, 0, 0));
  EXPECT_TRUE(Mercury(1991, 1, 2, 23, 59));
  EXPECT_FALSE(Mercury(1991, 1, 3, 0, 0));
}

TEST(IsRetrogradeTest, UnknownNamesAndDatesOutsideTheTablesAreDirect) {
  EXPECT_FALSE(IsRetrograde(BirthMoment{1901, 3, 1, 0, 0}, "Sun"));
  EXPECT_FALSE(IsRetrograde(BirthMoment{1901, 3, 1, 0, 0}, "mercury"));
  EXPECT_FALSE(IsRetrograde(BirthMoment{1800, 1, 1, 0, 0}, "Saturn"));
  EXPECT_FALSE(IsRetrograde(BirthMoment{2100, 1, 1, 0, 0}, "Saturn"));
}

TEST(MarkRetrogradePlanetsTest, MarksWithTrailingBlankAndLeavesNoStaleMark) {
  // 30 March 1901: Mars is retrograde (13 January to 4 April), Mercury just turned direct.
  const RetrogradeMarks mars = MarkRetrogradePlanets(Birth(1901, 3, 30));
  EXPECT_TRUE(mars.RetrogradeFlags[2]);
  EXPECT_EQ(mars.ChartBodyNames[4], "Mars (R) ");
  EXPECT_EQ(mars.ChartBodyNames[2], "Mercury");

  const RetrogradeMarks first = MarkRetrogradePlanets(Birth(1901, 3, 1));
  ASSERT_EQ(first.ChartBodyNames[2], "Mercury (R) ");
  const RetrogradeMarks second = MarkRetrogradePlanets(Birth(1901, 4, 15));
  EXPECT_FALSE(second.RetrogradeFlags[0]);
  EXPECT_EQ(second.ChartBodyNames[2], "Mercury");
  const RetrogradeMarks again = MarkRetrogradePlanets(Birth(1901, 3, 1));
  EXPECT_EQ(again.ChartBodyNames, first.ChartBodyNames);
}

// Universal time would fall on 26 February, a station day; the date as entered decides.
TEST(MarkRetrogradePlanetsTest, IgnoresZoneAndDaylightSaving) {
  BirthData east = Birth(1901, 2, 27, 0, 30);
  east.ZoneHours = 10;
  east.ZoneHoursText = "-10";
  east.DaylightSaving = true;
  east.LongitudeDegrees = 150;
  EXPECT_TRUE(MarkRetrogradePlanets(east).RetrogradeFlags[0]);
}

struct PlanetTables {
  const char* name;
  const StationTable& (*fill)();
};

const PlanetTables kPlanets[] = {{"Mercury", FillMercuryStations},
                                 {"Venus", FillVenusStations},
                                 {"Mars", FillMarsStations},
                                 {"Jupiter", FillJupiterStations},
                                 {"Saturn", FillSaturnStations}};

// Every day of 1901 to 2050, against an expectation drawn from the table texts with the
// standard calendar: retrograde exactly on the days strictly inside a period, the marker on
// exactly those planets, and the Sun, Moon and nodes always plain.
TEST(MarkRetrogradePlanetsTest, EveryDayOf1901To2050MatchesThePeriods) {
  const sys_days first_day{year{1901} / 1 / 1};
  const sys_days last_day{year{2050} / 12 / 31};
  const auto day_count = (last_day - first_day).count() + 1;
  std::vector<std::vector<bool>> expected(5, std::vector<bool>(day_count, false));
  for (int k = 0; k < 5; ++k) {
    const StationTable& table = kPlanets[k].fill();
    for (size_t i = 0; i < table.RetrogradeStarts.size(); ++i) {
      const auto start = test::ReadStation(table.RetrogradeStarts[i]);
      const auto end = test::ReadStation(table.RetrogradeEnds[i]);
      ASSERT_TRUE(start && end);
      for (sys_days d = start->date + std::chrono::days{1}; d < end->date;
           d += std::chrono::days{1}) {
        if (d >= first_day && d <= last_day) expected[k][(d - first_day).count()] = true;
      }
    }
  }

  const std::string plain[9] = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                "Jupiter", "Saturn", "Rahu",    "Ketu"};
  int mismatches = 0;
  for (sys_days d = first_day; d <= last_day && mismatches < 10; d += std::chrono::days{1}) {
    const year_month_day date{d};
    const RetrogradeMarks marks = MarkRetrogradePlanets(
        Birth(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
              static_cast<unsigned>(date.day()), 23, 59));
    const auto index = (d - first_day).count();
    for (int body = 0; body < 9; ++body) {
      const int k = body - 2;
      const bool marked = k >= 0 && k < 5 && expected[k][index];
      const std::string name = marked ? plain[body] + " (R) " : plain[body];
      if ((k >= 0 && k < 5 && marks.RetrogradeFlags[k] != marked) ||
          marks.ChartBodyNames[body] != name) {
        ADD_FAILURE() << static_cast<int>(date.year()) << "-" << static_cast<unsigned>(date.month())
                      << "-" << static_cast<unsigned>(date.day()) << ": "
                      << marks.ChartBodyNames[body];
        ++mismatches;
      }
    }
  }
}

}  // namespace
}  // namespace quendal
