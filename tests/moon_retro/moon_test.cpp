#include "moon_retro/moon.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "tests/test_births.h"

namespace quendal {
namespace {

// Longitude 0° 0', which counts as west.
BirthData Birth(int year, int month, int day, int hour, int minute, int zone_row) {
  BirthData birth = test::BirthAt(year, month, day, hour, minute, zone_row);
  birth.LongitudeIsEast = false;
  return birth;
}

TEST(Moon, WorkedBirths) {
  const BirthData epoch = Birth(2000, 1, 1, 12, 0, 29);
  EXPECT_NEAR(MoonLongitude(epoch), 223.3161029, 1e-7);
  MoonPosition moon = ComputeMoonPosition(epoch);
  EXPECT_EQ(moon.MoonText, "13\u00b0 18' 57\" Sco");  // 57.97 seconds truncated
  EXPECT_EQ(moon.MoonSignName, "Scorpio");

  const BirthData leo = Birth(1992, 4, 12, 0, 0, 29);
  EXPECT_NEAR(MoonLongitude(leo), 133.1580838, 1e-7);
  moon = ComputeMoonPosition(leo);
  EXPECT_EQ(moon.MoonText, "13\u00b0 9' 29\" Leo");
  EXPECT_EQ(moon.MoonSignName, "Leo");

  BirthData india = Birth(1947, 8, 15, 0, 0, 34);
  india.LongitudeDegrees = 77;
  india.LongitudeMinutes = 12;
  india.LongitudeIsEast = true;
  EXPECT_NEAR(MoonLongitude(india), 117.1096557, 1e-7);
  moon = ComputeMoonPosition(india);
  EXPECT_EQ(moon.MoonText, "27\u00b0 6' 34\" Can");
  EXPECT_EQ(moon.MoonSignName, "Cancer");
}

// The Moon moves about half a degree an hour: daylight saving must move it one hour back,
// and the latitude or the longitude within its hemisphere must not move it at all.
TEST(Moon, DependsOnTimeNotPlace) {
  for (int row : {34, 27, 29}) {
    BirthData birth = Birth(1975, 3, 9, 14, 40, row);
    birth.LongitudeIsEast = row == 34;
    const double standard = MoonLongitude(birth);
    birth.DaylightSaving = true;
    const double daylight = MoonLongitude(birth);
    birth.BirthHour -= 1;
    birth.DaylightSaving = false;
    EXPECT_DOUBLE_EQ(daylight, MoonLongitude(birth)) << row;
    EXPECT_GT(standard - daylight, 0.3);

    birth.LatitudeDegrees = 61;
    birth.LatitudeIsSouth = true;
    birth.LongitudeDegrees = 120;
    EXPECT_DOUBLE_EQ(MoonLongitude(birth), daylight);
  }
}

}  // namespace
}  // namespace quendal
