#include "positions/ascendant.h"

#include <gtest/gtest.h>

#include <cmath>

#include "birth/chart_calculation.h"
#include "tests/test_births.h"

namespace quendal {
namespace {

BirthData Place(int year, int month, int day, int hour, int minute, int zone_row, int lon_d,
                int lon_m, bool east, int lat_d, int lat_m) {
  return test::AtPlace(test::BirthAt(year, month, day, hour, minute, zone_row), lon_d, lon_m, east,
                       lat_d, lat_m);
}

TEST(Ascendant, WorkedBirths) {
  const BirthData greenwich = Place(2000, 1, 1, 12, 0, 29, 0, 0, false, 51, 30);
  const AscendantPosition a = ComputeAscendantPosition(greenwich);
  EXPECT_NEAR(a.theta, 280.4609, 5e-5);
  EXPECT_NEAR(a.longitude, 24.2979, 5e-5);
  EXPECT_EQ(ComputeAscendant(greenwich), "24\u00b0 17' 52\" Ari");

  const AscendantPosition delhi =
      ComputeAscendantPosition(Place(2000, 1, 1, 0, 30, 34, 77, 12, true, 28, 36));
  EXPECT_NEAR(delhi.theta, 101.9627, 5e-5);
  EXPECT_NEAR(delhi.longitude, 190.5361, 5e-5);

  BirthData new_york = Place(1985, 6, 21, 6, 0, 27, 74, 0, false, 40, 43);
  new_york.DaylightSaving = true;
  EXPECT_NEAR(ComputeAscendantPosition(new_york).longitude, 96.6792, 5e-5);
}

TEST(Ascendant, LatitudeSideMatters) {
  BirthData birth = Place(1990, 7, 14, 8, 20, 29, 0, 0, false, 35, 0);
  const double north = ComputeAscendantPosition(birth).longitude;
  birth.LatitudeIsSouth = true;
  const double south = ComputeAscendantPosition(birth).longitude;
  birth.LatitudeDegrees = 0;
  const double equator = ComputeAscendantPosition(birth).longitude;
  EXPECT_GT(std::fabs(north - south), 1.0);
  // The equator lies between the two latitudes.
  EXPECT_TRUE((equator - north) * (equator - south) < 0);
  // At the pole tan() stays finite and the ascendant is still a longitude.
  birth.LatitudeDegrees = 90;
  const double pole = ComputeAscendantPosition(birth).longitude;
  EXPECT_TRUE(pole >= 0 && pole <= 360);
}

}  // namespace
}  // namespace quendal
