// The sidereal zodiac, the nakshatra and the dasha, and the precise engine against the Swiss
// Ephemeris called directly.
#include <gtest/gtest.h>

#include <cmath>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"
#include "tests/test_births.h"
#include "vedic/ayanamsha.h"
#include "vedic/body_longitudes.h"
#include "vedic/dasha.h"
#include "vedic/nakshatra.h"
#include "vedic/precise_engine.h"

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>
#endif

namespace quendal {
namespace {

constexpr double kArcSecond = 1.0 / 3600;

double Difference(double a, double b) {
  const double d = std::fabs(WrapDegrees(a - b));
  return std::min(d, 360 - d);
}

// Pune, 9 July 1984, 05:40 Indian time (zone row 34): 00:10 UT, JD 2445890.5069,
// T = -0.1548116, so the ayanamsha is 23.857092 - 0.2162544 + 0.0000074 = 23.6408449 degrees,
// 23° 38' 27".
BirthData Pune() {
  return test::AtPlace(test::BirthAt(1984, 7, 9, 5, 40, 34), 73, 52, true, 18, 31);
}

TEST(Ayanamsha, LahiriOfTheBirthMomentInItsLongForm) {
  const Chart chart = CalculateChart(Pune());
  EXPECT_NEAR(chart.Ayanamsha, 23.6408449, 1e-7);
  EXPECT_EQ(FormatAyanamsha(chart.Ayanamsha), "23\u00b0 38' 27\"");
}

// The classic engine's planets are J2000-frame positions and lose the J2000 value; the Moon,
// the nodes and the ascendant are of the date and lose the birth moment's value. The sidereal
// Sun of Pune is then 17° 11' 56" Can less 23.857092°: 23° 20' 30" Gem.
TEST(SiderealRule, ClassicEngineShiftsEachBodyByItsFrame) {
  const Chart tropical = CalculateChart(Pune());
  const Chart sidereal = CalculateChart(Pune(), {Zodiac::SiderealLahiri, PositionsSource::Classic});
  const double of_date = tropical.Ayanamsha;
  const double shifts[10] = {kLahiriAtJ2000, of_date,        kLahiriAtJ2000, kLahiriAtJ2000,
                             kLahiriAtJ2000, kLahiriAtJ2000, kLahiriAtJ2000, of_date,
                             of_date,        of_date};
  for (int i = 0; i < 10; ++i)
    EXPECT_NEAR(Difference(tropical.Longitudes[i] - shifts[i], sidereal.Longitudes[i]), 0, 1e-9)
        << i;
  EXPECT_EQ(sidereal.PlanetTexts[2], "23\u00b0 20' 30\" Gem");
  EXPECT_EQ(sidereal.SunSign, "Gemini");
  EXPECT_EQ(sidereal.PositionsTable[9], "17 Gem 05");
  EXPECT_NE(sidereal.HouseCells, tropical.HouseCells);
  // A nakshatra is sidereal whatever zodiac the chart shows.
  EXPECT_EQ(sidereal.MoonNakshatra.index, tropical.MoonNakshatra.index);
  EXPECT_EQ(kNakshatraNames[static_cast<size_t>(tropical.MoonNakshatra.index)], "Anuradha");
}

TEST(Nakshatra, BoundariesPadasAndLords) {
  struct Case {
    double longitude;
    const char* name;
    int pada;
    const char* lord;
  };
  const double part = 40.0 / 3;  // 13°20'
  const Case cases[] = {
      {0, "Ashwini", 1, "Ketu"},
      {part / 4, "Ashwini", 2, "Ketu"},
      {part - 1e-9, "Ashwini", 4, "Ketu"},
      {part, "Bharani", 1, "Venus"},
      {9 * part, "Magha", 1, "Ketu"},
      {360 - part / 4, "Revati", 4, "Mercury"},
      {360 - 1e-9, "Revati", 4, "Mercury"},
      {360, "Ashwini", 1, "Ketu"},
      {-1e-9, "Revati", 4, "Mercury"},
  };
  for (const Case& c : cases) {
    const NakshatraPlace place = NakshatraOf(c.longitude);
    EXPECT_EQ(kNakshatraNames[static_cast<size_t>(place.index)], c.name) << c.longitude;
    EXPECT_EQ(place.pada, c.pada) << c.longitude;
    EXPECT_EQ(kDashaLords[static_cast<size_t>(place.lord)], c.lord) << c.longitude;
  }
}

// The Moon at 10° sidereal has passed three quarters of Ashwini, so a quarter of Ketu's seven
// years remains: 1.75 years = 639.1875 days from 2000-01-01 00:00 (day 10957) ends Ketu on day
// 11596.1875, 2001-10-01. Ketu began 1917.5625 days before birth, on 1994-10-01, and its first
// antardasha (Ketu, 7 x 7 / 120 years = 149.14375 days) ended on 1995-02-27. Venus then runs
// 20 years, 7305 days, to 2021-10-01; the cycle closes 120 years after Ketu began, 2114-10-02.
TEST(Dasha, BalanceAndDatesOfAWorkedBirth) {
  const Dasha dasha = VimshottariDasha(DayNumber(2000, 1, 1, 0, 0), NakshatraOf(10));
  EXPECT_EQ(kDashaLords[static_cast<size_t>(dasha[0].lord)], "Ketu");
  EXPECT_EQ(IsoDate(dasha[0].start), "2000-01-01");
  EXPECT_NEAR(dasha[0].end, 11596.1875, 1e-9);
  EXPECT_EQ(IsoDate(dasha[0].antardashas[0].start), "1994-10-01");
  EXPECT_EQ(IsoDate(dasha[0].antardashas[0].end), "1995-02-27");
  EXPECT_EQ(kDashaLords[static_cast<size_t>(dasha[1].lord)], "Venus");
  EXPECT_EQ(IsoDate(dasha[1].end), "2021-10-01");
  EXPECT_EQ(kDashaLords[static_cast<size_t>(dasha[1].antardashas[1].lord)], "Sun");
  EXPECT_EQ(kDashaLords[static_cast<size_t>(dasha[8].lord)], "Mercury");
  EXPECT_EQ(IsoDate(dasha[8].end), "2114-10-02");
  for (const Mahadasha& maha : dasha) EXPECT_EQ(maha.antardashas[8].end, maha.end);
  EXPECT_EQ(PeriodAt(dasha, DayNumber(2010, 6, 1, 0, 0)), 1);
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
    EXPECT_NEAR(LahiriAyanamsha(JulianCenturiesFromJ2000(jd)), library, 0.01 * kArcSecond) << year;
  }
}

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
        EXPECT_LT(Difference(chart.SiderealMoon, moon[0]), kArcSecond) << n;
      }
      for (int i = 0; i < 9; ++i) {
        double out[6];
        char error[AS_MAXCH];
        swe_calc_ut(jd, bodies[i], flags, out, error);
        const double expected = i == 8 ? out[0] + 180 : out[0];
        EXPECT_LT(Difference(chart.Longitudes[i], expected), kArcSecond) << n << " body " << i;
        if (i >= 2 && i <= 6) {
          swe_calc_ut(jd, bodies[i], SEFLG_SWIEPH | SEFLG_SPEED, out, error);
          EXPECT_EQ(chart.RetrogradeFlags[i - 2], out[3] < 0) << n;
        }
      }
      double cusps[13], angles[10];
      swe_houses_ex(jd, sidereal ? SEFLG_SIDEREAL : 0, time.N, -time.W, 'E', cusps, angles);
      EXPECT_LT(Difference(chart.Longitudes[9], angles[0]), kArcSecond) << n;
    }
  }
}

// Without its data files the library computes from its analytic ephemeris, within a few arc
// seconds of them.
TEST_F(AgainstTheLibrary, AnalyticFallBackWithoutDataFiles) {
  const ChartOptions precise{Zodiac::Tropical, PositionsSource::Precise};
  const Chart with_files = CalculateChart(Pune(), precise);
  SetEphemerisFolder("/nonexistent");
  const Chart without = CalculateChart(Pune(), precise);
  SetEphemerisFolder(QUENDAL_TEST_EPHEMERIS_DIR);
  EXPECT_EQ(without.Options, precise);
  for (int i = 0; i < 10; ++i)
    EXPECT_LT(Difference(with_files.Longitudes[i], without.Longitudes[i]), 5 * kArcSecond) << i;
  EXPECT_EQ(CalculateChart(Pune(), precise).Longitudes, with_files.Longitudes);
}

#endif

}  // namespace
}  // namespace quendal
