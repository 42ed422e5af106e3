#include "vedic/body_longitudes.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "tests/test_births.h"
#include "vedic/ayanamsha.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

// The classic engine's planets are J2000-frame positions and lose the J2000 value; the Moon,
// the nodes and the ascendant are of the date and lose the birth moment's value. The sidereal
// Sun of Pune is then 17° 11' 56" Can less 23.857092°: 23° 20' 30" Gem.
TEST(SiderealRule, ClassicEngineShiftsEachBodyByItsFrame) {
  const Chart tropical = CalculateChart(test::Pune());
  const Chart sidereal =
      CalculateChart(test::Pune(), {Zodiac::SiderealLahiri, PositionsSource::Classic});
  const double of_date = tropical.Ayanamsha;
  const double shifts[10] = {kLahiriAtJ2000, of_date,        kLahiriAtJ2000, kLahiriAtJ2000,
                             kLahiriAtJ2000, kLahiriAtJ2000, kLahiriAtJ2000, of_date,
                             of_date,        of_date};
  for (int i = 0; i < 10; ++i)
    EXPECT_NEAR(test::AngleBetween(tropical.Longitudes[i] - shifts[i], sidereal.Longitudes[i]), 0,
                1e-9)
        << i;
  EXPECT_EQ(sidereal.PlanetTexts[2], "23\u00b0 20' 30\" Gem");
  EXPECT_EQ(sidereal.SunSign, "Gemini");
  EXPECT_EQ(sidereal.PositionsTable[9], "17 Gem 05");
  EXPECT_NE(sidereal.HouseCells, tropical.HouseCells);
  // A nakshatra is sidereal whatever zodiac the chart shows.
  EXPECT_EQ(sidereal.MoonNakshatra.index, tropical.MoonNakshatra.index);
  EXPECT_EQ(kNakshatraNames[static_cast<size_t>(tropical.MoonNakshatra.index)], "Anuradha");
}

}  // namespace
}  // namespace quendal
