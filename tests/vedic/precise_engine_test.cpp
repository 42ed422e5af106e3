// The precise engine against the Swiss Ephemeris called directly.
#include "vedic/precise_engine.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"
#include "tests/test_births.h"
#include "vedic/body_longitudes.h"

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>
#endif

namespace quendal {
namespace {

#ifdef QUENDAL_WITH_SWISSEPH

class AgainstTheLibrary : public ::testing::Test {
 protected:
  void SetUp() override { swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0); }
};

// Births a few months and hours apart at places north and south, east and west; the library
// is asked directly with the universal time the hemisphere rule gives.
TEST_F(AgainstTheLibrary, PrecisePositionsAndRetrogradeMarks) {
  for (int n = 0; n < 30; ++n) {
    BirthData birth = test::AtPlace(
        test::BirthAt(1905 + 5 * n, 1 + n % 12, 1 + n % 28, n % 24, (7 * n) % 60, (n * 13) % 71),
        (n * 37) % 180, n % 60, n % 2 == 0, (n * 11) % 66, 0);
    birth.LatitudeIsSouth = n % 3 == 0;
    const HemisphereTime time = ApplyHemisphereRule(birth);
    const double jd =
        swe_julday(birth.BirthYear, birth.BirthMonth, birth.BirthDay, time.U, SE_GREG_CAL);
    for (const bool sidereal : {false, true}) {
      const Chart chart = CalculateChart(
          birth, {sidereal ? Zodiac::SiderealLahiri : Zodiac::Tropical, PositionsSource::Precise});
      const int32 flags = SEFLG_SWIEPH | (sidereal ? SEFLG_SIDEREAL : 0);
      const int bodies[9] = {SE_SUN,     SE_MOON,   SE_MERCURY,   SE_VENUS,    SE_MARS,
                             SE_JUPITER, SE_SATURN, SE_MEAN_NODE, SE_MEAN_NODE};
      // The nakshatra of either zodiac is that of the library's own sidereal Moon.
      if (!sidereal) {
        double moon[6];
        char error[AS_MAXCH];
        swe_calc_ut(jd, SE_MOON, SEFLG_SWIEPH | SEFLG_SIDEREAL, moon, error);
        EXPECT_LT(test::AngleBetween(chart.SiderealMoon, moon[0]), test::kArcSecond) << n;
      }
      for (int i = 0; i < 9; ++i) {
        double out[6];
        char error[AS_MAXCH];
        swe_calc_ut(jd, bodies[i], flags, out, error);
        const double expected = i == 8 ? out[0] + 180 : out[0];
        EXPECT_LT(test::AngleBetween(chart.Longitudes[i], expected), test::kArcSecond)
            << n << " body " << i;
        if (i >= 2 && i <= 6) {
          swe_calc_ut(jd, bodies[i], SEFLG_SWIEPH | SEFLG_SPEED, out, error);
          EXPECT_EQ(chart.RetrogradeFlags[i - 2], out[3] < 0) << n;
        }
      }
      double cusps[13], angles[10];
      swe_houses_ex(jd, sidereal ? SEFLG_SIDEREAL : 0, time.N, -time.W, 'E', cusps, angles);
      EXPECT_LT(test::AngleBetween(chart.Longitudes[9], angles[0]), test::kArcSecond) << n;
    }
  }
}

// Without its data files the library computes from its analytic ephemeris, within a few arc
// seconds of them.
TEST_F(AgainstTheLibrary, AnalyticFallBackWithoutDataFiles) {
  const ChartOptions precise{Zodiac::Tropical, PositionsSource::Precise};
  const Chart with_files = CalculateChart(test::Pune(), precise);
  SetEphemerisFolder("/nonexistent");
  const Chart without = CalculateChart(test::Pune(), precise);
  SetEphemerisFolder(QUENDAL_TEST_EPHEMERIS_DIR);
  EXPECT_EQ(without.Options, precise);
  for (int i = 0; i < 10; ++i)
    EXPECT_LT(test::AngleBetween(with_files.Longitudes[i], without.Longitudes[i]),
              5 * test::kArcSecond)
        << i;
  EXPECT_EQ(CalculateChart(test::Pune(), precise).Longitudes, with_files.Longitudes);
}

#endif

}  // namespace
}  // namespace quendal
