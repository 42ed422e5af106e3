#include "vedic/ayanamsha.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"
#include "tests/test_births.h"

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>
#endif

namespace quendal {
namespace {

// Pune, 9 July 1984, 05:40 Indian time (zone row 34): 00:10 UT, JD 2445890.5069,
// T = -0.1548116, so the ayanamsha is 23.857092 - 0.2162544 + 0.0000074 = 23.6408449 degrees,
// 23° 38' 27".
TEST(Ayanamsha, LahiriOfTheBirthMomentInItsLongForm) {
  const Chart chart = CalculateChart(test::Pune());
  EXPECT_NEAR(chart.Ayanamsha, 23.6408449, 1e-7);
  EXPECT_EQ(FormatAyanamsha(chart.Ayanamsha), "23\u00b0 38' 27\"");
}

#ifdef QUENDAL_WITH_SWISSEPH

class AgainstTheLibrary : public ::testing::Test {
 protected:
  void SetUp() override { swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0); }
};

TEST_F(AgainstTheLibrary, AyanamshaWithinAHundredthOfAnArcSecond) {
  for (int year = 1901; year <= 2050; year += 5) {
    const double jd = swe_julday(year, 1 + year % 12, 1 + year % 28, 0, SE_GREG_CAL);
    double library = 0;
    char error[AS_MAXCH];
    swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH | SEFLG_NONUT, &library, error);
    EXPECT_NEAR(LahiriAyanamsha(JulianCenturiesFromJ2000(jd)), library, 0.01 * test::kArcSecond)
        << year;
  }
}

#endif

}  // namespace
}  // namespace quendal
