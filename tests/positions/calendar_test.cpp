#include "positions/calendar.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "positions/time_zones.h"
#include "tests/test_births.h"

namespace quendal {
namespace {

using test::BirthAt;

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

TEST(JulianDayNumber, KnownDaysAndTheGregorianSwitch) {
  EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
  EXPECT_EQ(JulianDayNumber(2, 29, 2000), 2451604);
  EXPECT_EQ(JulianDayNumber(3, 1, 2000), 2451605);
  EXPECT_EQ(JulianDayNumber(1, 1, 1901), 2415386);
  EXPECT_EQ(JulianDayNumber(12, 31, 2050), 2470172);
  EXPECT_EQ(JulianDayNumber(10, 4, 1582), 2299160);
  EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299161);
}

TEST(JulianDayNumber, ConsecutiveGregorianDaysDifferByOneFrom1582To2100) {
  double previous = JulianDayNumber(10, 15, 1582);
  for (int year = 1582; year <= 2100; ++year) {
    for (int month = year == 1582 ? 10 : 1; month <= 12; ++month) {
      for (int day = year == 1582 && month == 10 ? 16 : 1; day <= DaysInMonth(year, month); ++day) {
        const double j = JulianDayNumber(month, day, year);
        ASSERT_EQ(j, previous + 1) << year << "-" << month << "-" << day;
        previous = j;
      }
    }
  }
}

TEST(DaysSinceJ2000, KnownDays) {
  EXPECT_EQ(DaysSinceJ2000(2000, 1, 1, 12, 0), 0.0);
  EXPECT_EQ(DaysSinceJ2000(1985, 3, 15, 9, 0), -5405.125);
}

// The calendar rule moves the clock by the row's offset and nothing else, however many
// minute, hour, day, month and year boundaries it crosses.
TEST(CalendarRule, AgreesWithDaysSinceJ2000AcrossMonthAndYearEndsForEveryZoneRow) {
  const int years[] = {1901, 1999, 2000, 2023, 2024, 2050};
  for (int row = 0; row < kTimeZoneRowCount; ++row) {
    const BirthData zone = BirthAt(2000, 1, 1, 0, 0, row);
    const double offset_days =
        (ZoneOffsetValue(zone.ZoneHoursText) * 60 + ZoneOffsetValue(zone.ZoneMinutesText)) / 1440.0;
    for (int year : years) {
      for (int month = 1; month <= 12; ++month) {
        for (int day : {1, DaysInMonth(year, month)}) {
          for (auto [hour, minute] : {std::pair{0, 0}, {0, 29}, {11, 45}, {23, 30}, {23, 59}}) {
            const BirthData birth = BirthAt(year, month, day, hour, minute, row);
            const CivilDateTime ut = ApplyCalendarRule(birth);
            ASSERT_TRUE(ut.month >= 1 && ut.month <= 12 && ut.day >= 1 &&
                        ut.day <= DaysInMonth(ut.year, ut.month) && ut.hour >= 0 && ut.hour < 24 &&
                        ut.minute >= 0 && ut.minute < 60);
            ASSERT_NEAR(DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute),
                        DaysSinceJ2000(year, month, day, hour, minute) + offset_days, 1e-9)
                << "row " << row << " " << year << "-" << month << "-" << day << " " << hour << ":"
                << minute;
          }
        }
      }
    }
  }
}

TEST(CalendarRule, HalfHourZonesCarryIntoThePreviousDay) {
  EXPECT_EQ(ApplyCalendarRule(BirthAt(2000, 1, 1, 0, 30, 34)),
            (CivilDateTime{1999, 12, 31, 19, 0}));
  EXPECT_EQ(ApplyCalendarRule(BirthAt(2000, 1, 1, 12, 0, 50)), (CivilDateTime{2000, 1, 1, 15, 30}));
  // Daylight saving never enters the calendar rule.
  BirthData birth = BirthAt(2024, 2, 29, 23, 50, 31);
  birth.DaylightSaving = true;
  EXPECT_EQ(ApplyCalendarRule(birth), (CivilDateTime{2024, 3, 1, 9, 20}));
}

double HemisphereU(int hour, int minute, int zone_row, bool east, bool dst) {
  BirthData birth = BirthAt(2000, 1, 1, hour, minute, zone_row);
  birth.LongitudeDegrees = 3;
  birth.LongitudeIsEast = east;
  birth.DaylightSaving = dst;
  return ApplyHemisphereRule(birth).U;
}

TEST(HemisphereRule, DirectionComesFromTheZoneRow) {
  EXPECT_DOUBLE_EQ(HemisphereU(0, 30, 34, true, false), -5.0);   // IST, date kept
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 50, false, false), 15.5);  // Newfoundland
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 20, true, true), 10.0);    // CET with daylight saving
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 27, false, true), 16.0);   // EST with daylight saving
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 29, false, true), 11.0);   // GMT with daylight saving
  // A place on the other side of the meridian from its zone: Madrid on CET, London on BST,
  // a ship east of Greenwich keeping Eastern time.
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 20, false, false), 11.0);
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 16, false, false), 11.0);
  EXPECT_DOUBLE_EQ(HemisphereU(12, 0, 27, true, false), 17.0);
  EXPECT_DOUBLE_EQ(HemisphereU(23, 45, 47, false, false), 11.75);  // U stays on the local date
}

TEST(HemisphereRule, LongitudeAndLatitudeAreSignedWestAndNorth) {
  BirthData birth = BirthAt(2000, 1, 1, 0, 0, 29);
  birth.LongitudeDegrees = 77;
  birth.LongitudeMinutes = 12;
  birth.LatitudeDegrees = 28;
  birth.LatitudeMinutes = 36;
  birth.LatitudeIsSouth = true;
  const HemisphereTime east = ApplyHemisphereRule(birth);
  EXPECT_DOUBLE_EQ(east.W, -77.2);
  EXPECT_DOUBLE_EQ(east.N, -28.6);
  birth.LongitudeIsEast = false;
  EXPECT_DOUBLE_EQ(ApplyHemisphereRule(birth).W, 77.2);
}

}  // namespace
}  // namespace quendal
