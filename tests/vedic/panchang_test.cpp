// The limbs of the panchang at the edges of their tables, and the vara across sunrise with
// the sunrise taken from the Swiss Ephemeris itself.
#include "vedic/panchang.h"

#include <gtest/gtest.h>

#include <cmath>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"
#include "tests/test_births.h"

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>
#endif

namespace quendal {
namespace {

TEST(Panchang, TithiAndKaranaAtTheEdgesOfTheirTables) {
  struct Case {
    double sun, moon;
    const char* tithi;
    int number;
    const char* karana;
  };
  const Case cases[] = {
      {0, 0, "Shukla Pratipada", 1, "Kimstughna"},
      {0, 5.999, "Shukla Pratipada", 1, "Kimstughna"},
      {0, 11.999, "Shukla Pratipada", 1, "Bava"},
      {350, 2, "Shukla Dwitiya", 2, "Balava"},  // across 0° Aries
      {0, 168.5, "Purnima", 15, "Vishti"},
      {0, 180, "Krishna Pratipada", 16, "Balava"},
      {0, 336, "Krishna Chaturdashi", 29, "Vishti"},  // k = 56, the last movable one
      {0, 342, "Krishna Chaturdashi", 29, "Shakuni"},
      {0, 348, "Amavasya", 30, "Chatushpada"},
      {0, 354, "Amavasya", 30, "Naga"},
      {0, 359.9999, "Amavasya", 30, "Naga"},
  };
  for (const Case& c : cases) {
    const Panchang p = PanchangLimbs(c.sun, c.moon, c.sun, c.moon, 0, false);
    EXPECT_EQ(TithiName(p.tithi), c.tithi) << c.moon;
    EXPECT_EQ(p.tithi + 1, c.number) << c.moon;
    EXPECT_EQ(KaranaName(p.karana), c.karana) << c.moon;
  }
  EXPECT_DOUBLE_EQ(PanchangLimbs(0, 3, 0, 3, 0, false).tithi_left, 0.75);
  EXPECT_EQ(PakshaName(14), "Shukla");
  EXPECT_EQ(PakshaName(15), "Krishna");
}

TEST(Panchang, YogaFromTheSiderealSumAndTheVaraBeforeSunrise) {
  struct Case {
    double sun, moon;
    const char* yoga;
  };
  const Case cases[] = {{0, 0, "Vishkambha"},
                        {0, 13.3333, "Vishkambha"},
                        {0, 13.3334, "Priti"},
                        {200, 170, "Vishkambha"},  // the sum wraps past 360
                        {180, 179.999, "Vaidhriti"}};
  for (const Case& c : cases)
    EXPECT_EQ(YogaName(PanchangLimbs(0, 0, c.sun, c.moon, 0, false).yoga), c.yoga) << c.moon;
  // The tropical pair does not enter the yoga.
  EXPECT_EQ(PanchangLimbs(100, 100, 0, 0, 0, false).yoga, 0);
  EXPECT_EQ(VaraName(PanchangLimbs(0, 0, 0, 0, 0, true).vara), "Shanivara");
  EXPECT_EQ(VaraLord(PanchangLimbs(0, 0, 0, 0, 3, false).vara), "Mercury");
}

#ifdef QUENDAL_WITH_SWISSEPH
// Pune, Monday 9 July 1984, Indian time (5.5 hours east): the library's sunrise of that day.
TEST(Panchang, VaraTurnsAtTheLibrarysSunrise) {
  swe_set_ephe_path(QUENDAL_TEST_EPHEMERIS_DIR);
  const double midnight = JulianDayNumber(7, 9, 1984) - 0.5 - 5.5 / 24;
  double geopos[3] = {73 + 52 / 60.0, 18 + 31 / 60.0, 0};
  double rise = 0;
  char error[AS_MAXCH];
  ASSERT_EQ(swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE, geopos, 0, 0,
                           &rise, error),
            0);
  const int rise_minute = static_cast<int>(std::lround((rise - midnight) * 1440));
  ASSERT_GT(rise_minute, 5 * 60);
  ASSERT_LT(rise_minute, 7 * 60);
  const ChartOptions precise{Zodiac::SiderealLahiri, PositionsSource::Precise};
  for (const auto& [offset, vara] : {std::pair{-10, "Ravivara"}, std::pair{10, "Somavara"}}) {
    const int at = rise_minute + offset;
    const BirthData birth =
        test::AtPlace(test::BirthAt(1984, 7, 9, at / 60, at % 60, 34), 73, 52, true, 18, 31);
    const Panchang p = CalculatePanchang(birth, CalculateChart(birth, precise));
    EXPECT_EQ(VaraName(p.vara), vara) << offset;
    EXPECT_EQ(p.sunrise, rise_minute);
    ASSERT_TRUE(p.sunset.has_value());
    EXPECT_GT(*p.sunset, 18 * 60);
  }
  // Tromsø at midsummer: the Sun never sets, and the rows say so.
  BirthData north = test::AtPlace(test::BirthAt(1990, 6, 21, 12, 0, 29), 18, 57, true, 69, 39);
  const Chart chart = CalculateChart(north, precise);
  const Panchang p = CalculatePanchang(north, chart);
  EXPECT_FALSE(p.sunrise.has_value());
  EXPECT_EQ(PanchangRows(p, chart)[5].second, "none that day");
}
#endif

}  // namespace
}  // namespace quendal
