// Sade Sati from Saturn's ingresses: a retrograde exit does not split a period, and the
// periods of one Moon sign against the library's ingress dates.
#include "vedic/sade_sati.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "tests/test_births.h"
#include "vedic/dasha.h"

namespace quendal {
namespace {

// Moon in Taurus (1): Saturn in Aries is the rising phase. It enters Aries on day 100, falls
// back into Pisces from 150 to 200, passes on through Taurus and Gemini and leaves on 900.
TEST(SadeSati, ARetrogradeExitDoesNotSplitThePeriod) {
  const std::vector<SaturnIngress> steps = {
      {100, 11, 0}, {150, 0, 11}, {200, 11, 0}, {400, 0, 1}, {700, 1, 2}, {900, 2, 3}};
  const auto periods = SadeSatiPeriods(steps, 1, 11, 0, 5000);
  ASSERT_EQ(periods.size(), 1u);
  EXPECT_EQ(periods[0].start, 100);
  EXPECT_EQ(periods[0].end, 900);
  ASSERT_EQ(periods[0].phases.size(), 3u);
  EXPECT_EQ(periods[0].phases[1].name, "Peak");
  EXPECT_EQ(periods[0].phases[1].start, 400);
  EXPECT_EQ(periods[0].phases[2].end, 900);
  ASSERT_EQ(periods[0].reentries.size(), 1u);
  EXPECT_EQ(periods[0].reentries[0], "Back in Pisces from 1970-05-31 to 1970-07-20");
  // Under way at the start of the range: cut there, from the phase it is in.
  const auto cut = SadeSatiPeriods({{300, 2, 3}}, 1, 2, 0, 5000);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].start, 0);
  EXPECT_EQ(cut[0].phases[0].name, "Setting");
}

#ifdef QUENDAL_WITH_SWISSEPH
// Pune, 9 July 1984: the sidereal Moon is in Scorpio. The library puts Saturn into sidereal
// Libra on 2011-11-15, Scorpio 2014-11-02, Sagittarius 2017-01-26 (back in Scorpio from
// 2017-06-21 to 2017-10-26) and Capricorn 2020-01-24.
TEST(SadeSati, PeriodsOfAScorpioMoonFromTheLibrarysIngresses) {
  const BirthData birth =
      test::AtPlace(test::BirthAt(1984, 7, 9, 5, 40, 34), 73, 52, true, 18, 31);
  const Chart chart =
      CalculateChart(birth, {Zodiac::SiderealLahiri, PositionsSource::Precise});
  const auto periods = CalculateSadeSati(birth, chart);
  const SadeSatiPeriod* found = nullptr;
  for (const SadeSatiPeriod& period : periods)
    if (IsoDate(period.start) == "2011-11-15") found = &period;
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(IsoDate(found->end), "2020-01-24");
  const char* const starts[] = {"2011-11-15", "2014-11-02", "2017-01-26"};
  ASSERT_EQ(found->phases.size(), 3u);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(IsoDate(found->phases[k].start), starts[k]);
  ASSERT_EQ(found->reentries.size(), 2u);
  EXPECT_EQ(found->reentries[1], "Back in Scorpio from 2017-06-21 to 2017-10-26");
  EXPECT_EQ(periods.size(), 8u);
}
#endif

}  // namespace
}  // namespace quendal
