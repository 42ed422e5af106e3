// The ayanamshas, the true node, the sixteen divisions and the sub-lord.
#include <gtest/gtest.h>

#include <cmath>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"
#include "tests/test_births.h"
#include "vedic/ayanamsha.h"
#include "vedic/body_longitudes.h"
#include "vedic/dasha.h"
#include "vedic/divisional_signs.h"
#include "vedic/varga_table.h"

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>
#endif

namespace quendal {
namespace {

constexpr int kDegree = 3600;

struct DivisionCase {
  int division;
  int sign;     // 0 = Aries
  int seconds;  // within the sign
  int expected;
};

// Each new division at the first second of a part and the last second of the one before it,
// in odd and even, movable, fixed and dual signs.
TEST(Divisions, NewRulesAtTheirPartBoundaries) {
  const DivisionCase cases[] = {
      // D4, 7°30' parts: the sign, the 4th, the 7th, the 10th from it.
      {4, 1, 0, 1},
      {4, 1, 27000 - 1, 1},
      {4, 1, 27000, 4},
      {4, 1, 54000, 7},
      {4, 1, 81000, 10},
      // D16, 1°52'30" parts: movable from Aries, fixed from Leo, dual from Sagittarius.
      {16, 3, 0, 0},
      {16, 3, 6750, 1},
      {16, 1, 6750 - 1, 4},
      {16, 1, 6750, 5},
      {16, 11, 0, 8},
      {16, 11, 107999, 11},
      // D20, 1°30' parts: movable from Aries, fixed from Sagittarius, dual from Leo.
      {20, 6, 5400, 1},
      {20, 4, 0, 8},
      {20, 4, 107999, 3},
      {20, 2, 5400 - 1, 4},
      {20, 2, 5400, 5},
      // D24, 1°15' parts: odd from Leo, even from Cancer.
      {24, 0, 0, 4},
      {24, 0, 4500, 5},
      {24, 1, 4500 - 1, 3},
      {24, 1, 107999, 2},
      // D27, 1°6'40" parts: fire from Aries, earth from Cancer, air from Libra, water from
      // Capricorn.
      {27, 4, 0, 0},
      {27, 5, 4000 - 1, 3},
      {27, 5, 4000, 4},
      {27, 10, 0, 6},
      {27, 11, 107999, 11},
      // D40, 45' parts: odd from Aries, even from Libra.
      {40, 2, 2700, 1},
      {40, 7, 2700 - 1, 6},
      {40, 7, 2700, 7},
      {40, 7, 107999, 9},
      // D45, 40' parts: movable from Aries, fixed from Leo, dual from Sagittarius.
      {45, 9, 2400, 1},
      {45, 10, 0, 4},
      {45, 5, 2400 - 1, 8},
      {45, 5, 107999, 4},
      // D60, 30' parts from the sign itself.
      {60, 7, 0, 7},
      {60, 7, 1800 - 1, 7},
      {60, 7, 1800, 8},
      {60, 7, 107999, 6},
  };
  for (const DivisionCase& c : cases)
    EXPECT_EQ(DivisionalSign(c.division, {c.sign, c.seconds}), c.expected)
        << "D" << c.division << " sign " << c.sign << " at " << c.seconds;
}

TEST(Divisions, TrimshamshaUnequalParts) {
  struct Part {
    int from_degree;
    int to_degree;
    int odd_sign;
    int even_sign;
  };
  // Aries, Aquarius, Sagittarius, Gemini, Libra; Taurus, Virgo, Pisces, Capricorn, Scorpio.
  const Part odd[] = {
      {0, 5, 0, 1}, {5, 10, 10, 5}, {10, 18, 8, 5}, {18, 25, 2, 11}, {25, 30, 6, 7}};
  const Part even[] = {
      {0, 5, 0, 1}, {5, 12, 0, 5}, {12, 20, 0, 11}, {20, 25, 0, 9}, {25, 30, 0, 7}};
  for (const Part& p : odd) {
    EXPECT_EQ(DivisionalSign(30, {4, p.from_degree * kDegree}), p.odd_sign) << p.from_degree;
    EXPECT_EQ(DivisionalSign(30, {4, p.to_degree * kDegree - 1}), p.odd_sign) << p.to_degree;
  }
  for (const Part& p : even) {
    EXPECT_EQ(DivisionalSign(30, {9, p.from_degree * kDegree}), p.even_sign) << p.from_degree;
    EXPECT_EQ(DivisionalSign(30, {9, p.to_degree * kDegree - 1}), p.even_sign) << p.to_degree;
  }
}

// The sixteen in menu order, every one with a name and a table column, vargottama from D1 and
// D9 of the same text.
TEST(Divisions, ShodashavargaTableOfAChart) {
  EXPECT_EQ(DivisionList(), "1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60");
  for (int division : kDivisions) EXPECT_FALSE(DivisionName(division).empty()) << division;
  Chart chart =
      CalculateChart(test::AtPlace(test::BirthAt(1984, 7, 9, 5, 40, 34), 73, 52, true, 18, 31));
  chart.MoonText = "1\u00b0 0' 0\" Ari";  // Navamsa from Aries: Aries, so vargottama
  const VargaTable table = ShodashavargaTable(chart);
  EXPECT_EQ(table.signs[1][0], 0);
  EXPECT_EQ(table.signs[1][5], 0);
  EXPECT_TRUE(IsVargottama(table, 1));
  for (std::size_t k = 0; k < kDivisions.size(); ++k) {
    const auto position = ParseLongitudeText(chart.AscendantText);
    EXPECT_EQ(table.signs[9][k], DivisionalSign(kDivisions[k], *position)) << k;
  }
}

// Ashwini runs Ketu 7 years' worth (2800"), Venus 20 (8000"), ... Mercury last; Bharani starts
// at Venus and ends at Ketu.
TEST(SubLord, FirstAndLastSubsOfANakshatra) {
  struct Case {
    double seconds;  // sidereal longitude in arc seconds
    const char* sub_lord;
  };
  const Case cases[] = {
      {0, "Ketu"},
      {2800 - 1, "Ketu"},
      {2800 + 1, "Venus"},
      {48000 - 6800 + 1, "Mercury"},
      {48000 - 1, "Mercury"},
      {48000 + 1, "Venus"},
      {48000 + 8000 - 1, "Venus"},
      {96000 - 1, "Ketu"},
      {360 * 3600 - 1, "Saturn"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(kDashaLords[static_cast<std::size_t>(SubLordOf(NakshatraOf(c.seconds / 3600)))],
              c.sub_lord)
        << c.seconds;
  }
}

TEST(DashaYear, DatesScaleWithTheYear) {
  const double birth = DayNumber(2000, 1, 1, 0, 0);
  for (DashaYear year : kDashaYearChoices) {
    const Dasha dasha = VimshottariDasha(birth, NakshatraOf(10), DashaYearDays(year));
    EXPECT_NEAR(dasha[0].end - birth, 1.75 * DashaYearDays(year), 1e-9) << DashaYearKey(year);
    EXPECT_NEAR(dasha[8].end - dasha[0].antardashas[0].start, 120 * DashaYearDays(year), 1e-6);
  }
  EXPECT_EQ(VimshottariDasha(birth, NakshatraOf(10))[4].end,
            VimshottariDasha(birth, NakshatraOf(10), DashaYearDays(DashaYear::Julian))[4].end);
}

#ifdef QUENDAL_WITH_SWISSEPH

constexpr double kArcSecond = 1.0 / 3600;
constexpr int32 kModes[6] = {SE_SIDM_LAHIRI,     SE_SIDM_KRISHNAMURTI, SE_SIDM_RAMAN,
                             SE_SIDM_TRUE_CITRA, SE_SIDM_YUKTESHWAR,   SE_SIDM_FAGAN_BRADLEY};

double Difference(double a, double b) {
  const double d = std::fabs(WrapDegrees(a - b));
  return std::min(d, 360 - d);
}

double LibraryAyanamsha(int mode, double jd, int32 flags) {
  swe_set_sid_mode(mode, 0, 0);
  double value = 0;
  char error[AS_MAXCH];
  swe_get_ayanamsa_ex_ut(jd, flags, &value, error);
  return value;
}

struct Moment {
  BirthData birth;
  double jd;
};

std::vector<Moment> Moments() {
  std::vector<Moment> moments;
  for (int n = 0; n < 4; ++n) {
    BirthData birth =
        test::AtPlace(test::BirthAt(1910 + 37 * n, 1 + 3 * n, 5 + n, 3 + 5 * n, 17, 29), 10 * n, 0,
                      n % 2 == 0, 12 * n, 0);
    const HemisphereTime time = ApplyHemisphereRule(birth);
    moments.push_back({birth, swe_julday(birth.BirthYear, birth.BirthMonth, birth.BirthDay, time.U,
                                         SE_GREG_CAL)});
  }
  return moments;
}

// Precise: the library's own sidereal flag in every mode; classic: the Moon, ascendant and
// nodes less the mean value of the birth moment, the planets less that of J2000.0. Lahiri's
// classic formula stays its own.
TEST(Ayanamshas, EachAgainstTheLibraryInBothEngines) {
  const int bodies[7] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN};
  const bool of_date[10] = {false, true, false, false, false, false, false, true, true, true};
  for (const Moment& m : Moments()) {
    const Chart tropical = CalculateChart(m.birth);
    for (AyanamshaSystem system : kAyanamshaSystems) {
      const auto mode = kModes[static_cast<std::size_t>(system)];
      const Chart precise =
          CalculateChart(m.birth, {Zodiac::SiderealLahiri, PositionsSource::Precise, system});
      ASSERT_EQ(precise.Options.ayanamsha, system);
      swe_set_sid_mode(mode, 0, 0);
      for (int i = 0; i < 7; ++i) {
        double out[6];
        char error[AS_MAXCH];
        swe_calc_ut(m.jd, bodies[i], SEFLG_SWIEPH | SEFLG_SIDEREAL, out, error);
        EXPECT_LT(Difference(precise.Longitudes[i], out[0]), 0.01 * kArcSecond)
            << AyanamshaKey(system) << " body " << i;
      }
      EXPECT_NEAR(precise.Ayanamsha, LibraryAyanamsha(mode, m.jd, SEFLG_SWIEPH), 1e-12);

      const Chart classic =
          CalculateChart(m.birth, {Zodiac::SiderealLahiri, PositionsSource::Classic, system});
      const double at_birth =
          system == AyanamshaSystem::Lahiri
              ? LahiriAyanamsha(JulianCenturiesFromJ2000(BirthJulianDay(m.birth)))
              : LibraryAyanamsha(mode, BirthJulianDay(m.birth), SEFLG_SWIEPH | SEFLG_NONUT);
      const double at_j2000 =
          system == AyanamshaSystem::Lahiri
              ? kLahiriAtJ2000
              : LibraryAyanamsha(mode, kJ2000JulianDay, SEFLG_SWIEPH | SEFLG_NONUT);
      EXPECT_EQ(classic.Ayanamsha, at_birth);
      for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(classic.Longitudes[i],
                  WrapDegrees(tropical.Longitudes[i] - (of_date[i] ? at_birth : at_j2000)))
            << AyanamshaKey(system) << " row " << i;
      }
    }
  }
}

// A chart in another mode leaves the library's sidereal mode where Lahiri's chart finds it
// wrong; Lahiri's chart must come out to the bit as the first time, in both engines.
TEST(Ayanamshas, LahiriDoesNotMoveByABit) {
  const BirthData birth = Moments()[1].birth;
  for (PositionsSource positions : {PositionsSource::Classic, PositionsSource::Precise}) {
    const ChartOptions lahiri{Zodiac::SiderealLahiri, positions};
    const Chart first = CalculateChart(birth, lahiri);
    CalculateChart(birth, {Zodiac::SiderealLahiri, positions, AyanamshaSystem::TrueChitrapaksha,
                           NodeKind::True});
    const Chart again = CalculateChart(birth, lahiri);
    EXPECT_EQ(again.Longitudes, first.Longitudes);
    EXPECT_EQ(again.Ayanamsha, first.Ayanamsha);
    EXPECT_EQ(again.PositionsTable, first.PositionsTable);
  }
  // The precise Lahiri chart is the library's tropical longitude less its Lahiri value.
  const Moment m = Moments()[1];
  const Chart precise = CalculateChart(m.birth, {Zodiac::SiderealLahiri, PositionsSource::Precise});
  double moon[6];
  char error[AS_MAXCH];
  swe_calc_ut(m.jd, SE_MOON, SEFLG_SWIEPH, moon, error);
  EXPECT_EQ(precise.Longitudes[1],
            WrapDegrees(moon[0] - LibraryAyanamsha(SE_SIDM_LAHIRI, m.jd, SEFLG_SWIEPH)));
}

TEST(TrueNode, TheLibrarysTrueNodeWithKetuOpposite) {
  for (const Moment& m : Moments()) {
    for (Zodiac zodiac : {Zodiac::Tropical, Zodiac::SiderealLahiri}) {
      const Chart chart = CalculateChart(
          m.birth, {zodiac, PositionsSource::Precise, AyanamshaSystem::Lahiri, NodeKind::True});
      EXPECT_EQ(chart.Options.node, NodeKind::True);
      swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
      double node[6];
      char error[AS_MAXCH];
      const int32 flags = SEFLG_SWIEPH | (zodiac == Zodiac::Tropical ? 0 : SEFLG_SIDEREAL);
      swe_calc_ut(m.jd, SE_TRUE_NODE, flags, node, error);
      EXPECT_LT(Difference(chart.Longitudes[7], node[0]), 0.01 * kArcSecond);
      EXPECT_LT(Difference(chart.Longitudes[8], node[0] + 180), 0.01 * kArcSecond);
    }
    // The classic formulas keep their own node, and say so.
    const Chart classic = CalculateChart(m.birth, {Zodiac::Tropical, PositionsSource::Classic,
                                                   AyanamshaSystem::Lahiri, NodeKind::True});
    EXPECT_EQ(classic.Options.node, NodeKind::Mean);
    EXPECT_EQ(classic.Longitudes, CalculateChart(m.birth).Longitudes);
  }
}

#endif

}  // namespace
}  // namespace quendal
