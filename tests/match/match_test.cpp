#include "match/match.h"

#include <gtest/gtest.h>

#include "match/match_text.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

// A chart as the match reads it: the sidereal Moon, Mars and the ascendant, in degrees.
Chart SiderealChart(double moon, double mars, double ascendant) {
  Chart chart;
  chart.SiderealMoon = moon;
  chart.MoonNakshatra = NakshatraOf(moon);
  chart.Longitudes[1] = moon;
  chart.Longitudes[4] = mars;
  chart.Longitudes[9] = ascendant;
  return chart;
}

// Worked by hand. Bride: Moon at 45° (Taurus 15°, Rohini pada 2), Mars at 190° (Libra),
// ascendant at 100° (Cancer). Groom: Moon at 275° (Capricorn 5°, Uttara Ashadha pada 3), Mars
// at 10° (Aries), ascendant at 130° (Leo).
//   Varna    Vaishya / Vaishya, the same: 1 of 1
//   Vashya   Chatushpada / Chatushpada (Capricorn before 15°): 2 of 2
//   Tara     Rohini (4) to Uttara Ashadha (21) is the 18th, 9: fine; back the 11th, 2: fine:
//            3 of 3
//   Yoni     Serpent / Mongoose, enemies: 0 of 4
//   Maitri   Venus / Saturn, friends both ways: 5 of 5
//   Gana     Manushya / Manushya: 6 of 6
//   Bhakoot  Capricorn is the 9th from Taurus, Taurus the 5th from Capricorn: 0 of 7, dosha
//   Nadi     Antya / Antya: 0 of 8, dosha
//   Total    17 of 36, below 18.
// Mars: bride Libra is the 4th from Cancer, the 6th from Taurus: Manglik; groom Aries is the
// 9th from Leo and the 4th from Capricorn: Manglik.
TEST(Match, AWholeMatchWorkedByHand) {
  const MatchResult match = MatchCharts(SiderealChart(45, 190, 100), SiderealChart(275, 10, 130));
  const char* const names[] = {"Varna",        "Vashya", "Tara",    "Yoni",
                               "Graha Maitri", "Gana",   "Bhakoot", "Nadi"};
  const double points[] = {1, 2, 3, 0, 5, 6, 0, 0};
  const double max[] = {1, 2, 3, 4, 5, 6, 7, 8};
  const char* const bride[] = {"Vaishya", "Chatushpada", "Tara 2", "Serpent",
                               "Venus",   "Manushya",    "Taurus", "Antya"};
  const char* const groom[] = {"Vaishya", "Chatushpada", "Tara 9",    "Mongoose",
                               "Saturn",  "Manushya",    "Capricorn", "Antya"};
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(match.kootas[k].name, names[k]);
    EXPECT_EQ(match.kootas[k].points, points[k]) << names[k];
    EXPECT_EQ(match.kootas[k].max, max[k]) << names[k];
    EXPECT_EQ(match.kootas[k].bride, bride[k]) << names[k];
    EXPECT_EQ(match.kootas[k].groom, groom[k]) << names[k];
  }
  EXPECT_EQ(match.total, 17);
  EXPECT_EQ(match.doshas, (std::vector<std::string>{"Bhakoot dosha", "Nadi dosha"}));
  EXPECT_EQ(match.bride_mars, (MarsCheck{4, 6, true}));
  EXPECT_EQ(match.groom_mars, (MarsCheck{9, 4, true}));
  EXPECT_EQ(TotalLine(match.total), "17 of 36: below the customary minimum of 18");
  EXPECT_EQ(MoonLine(SiderealChart(45, 0, 0)), "Moon in Rohini, pada 2, in Taurus");
}

TEST(Match, SwappingChangesOnlyTheDirectionalKootas) {
  // Cancer 10° (Pushya, Deva, Brahmin) and Leo 5° (Magha, Rakshasa, Kshatriya).
  const Chart cancer = SiderealChart(100, 0, 0), leo = SiderealChart(125, 0, 0);
  const MatchResult one = MatchCharts(cancer, leo), other = MatchCharts(leo, cancer);
  EXPECT_EQ(one.kootas[0].points, 0);  // the groom's varna below the bride's
  EXPECT_EQ(other.kootas[0].points, 1);
  EXPECT_EQ(one.kootas[5].points, 0);  // Deva bride, Rakshasa groom
  EXPECT_EQ(other.kootas[5].points, 1);
  for (std::size_t k : {1u, 2u, 3u, 4u, 6u, 7u})
    EXPECT_EQ(one.kootas[k].points, other.kootas[k].points) << one.kootas[k].name;
  EXPECT_EQ(other.total, one.total + 2);
}

TEST(Match, MarsHousesAndTheirLines) {
  struct Case {
    int mars, ascendant, moon;
    MarsCheck check;
    const char* line;
  } cases[] = {
      {7,
       1,
       4,
       {7, 4, true},
       "Mars in the 7th from the ascendant; in the 4th from the Moon: Manglik"},
      {3,
       1,
       1,
       {3, 3, false},
       "Mars in the 3rd from the ascendant; in the 3rd from the Moon: not Manglik"},
      {1,
       2,
       3,
       {12, 11, true},
       "Mars in the 12th from the ascendant; in the 11th from the Moon: Manglik"},
      {6,
       5,
       12,
       {2, 7, true},
       "Mars in the 2nd from the ascendant; in the 7th from the Moon: Manglik"},
      {12,
       2,
       4,
       {11, 9, false},
       "Mars in the 11th from the ascendant; in the 9th from the Moon: not Manglik"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckMars(c.mars, c.ascendant, c.moon), c.check) << c.line;
    EXPECT_EQ(MarsLine(c.check), c.line);
  }
  const MarsCheck yes{1, 1, true}, no{3, 3, false};
  EXPECT_EQ(MarsSummaryLine(yes, yes), "Both are Manglik.");
  EXPECT_EQ(MarsSummaryLine(no, yes), "Only the groom is Manglik.");
  EXPECT_EQ(MarsSummaryLine(yes, no), "Only the bride is Manglik.");
  EXPECT_EQ(MarsSummaryLine(no, no), "Neither is Manglik.");
}

TEST(Match, TotalLinesAndHalfPoints) {
  EXPECT_EQ(TotalLine(24), "24 of 36: above the customary minimum of 18");
  EXPECT_EQ(TotalLine(18), "18 of 36: at the customary minimum of 18");
  EXPECT_EQ(TotalLine(17.5), "17.5 of 36: below the customary minimum of 18");
  EXPECT_EQ(PointsText(0.5), "0.5");
  EXPECT_EQ(PointsText(0), "0");
}

}  // namespace
}  // namespace quendal
