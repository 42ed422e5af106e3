#include "vedic/divisional_signs.h"

#include <gtest/gtest.h>

#include "tests/golden_charts.h"

namespace quendal {
namespace {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

struct Case {
  int division;
  Sign sign;
  int degrees, minutes, seconds;
  Sign expected;
};

// Worked by hand from the rules, at the edges of the parts, for odd and even signs.
const Case kCases[] = {
    {2, Ari, 14, 59, 59, Leo},  {2, Ari, 15, 0, 0, Can},   {2, Tau, 0, 0, 0, Can},
    {2, Tau, 15, 0, 0, Leo},    {3, Tau, 9, 59, 59, Tau},  {3, Tau, 10, 0, 0, Vir},
    {3, Tau, 20, 0, 0, Cap},    {3, Pis, 29, 59, 59, Sco}, {7, Ari, 4, 17, 8, Ari},
    {7, Ari, 4, 17, 9, Tau},    {7, Tau, 0, 0, 0, Sco},    {7, Tau, 29, 59, 59, Tau},
    {9, Ari, 3, 19, 59, Ari},   {9, Ari, 3, 20, 0, Tau},   {9, Tau, 0, 0, 0, Cap},
    {9, Gem, 0, 0, 0, Lib},     {9, Can, 0, 0, 0, Can},    {9, Pis, 29, 59, 59, Pis},
    {10, Ari, 2, 59, 59, Ari},  {10, Ari, 3, 0, 0, Tau},   {10, Tau, 0, 0, 0, Cap},
    {10, Tau, 29, 59, 59, Lib}, {12, Ari, 2, 29, 59, Ari}, {12, Ari, 2, 30, 0, Tau},
    {12, Pis, 29, 59, 59, Aqu}, {1, Sag, 29, 59, 59, Sag},
};

TEST(DivisionalSign, PartsAtTheirEdges) {
  for (const Case& c : kCases) {
    const SignArc position{c.sign, c.degrees * 3600 + c.minutes * 60 + c.seconds};
    EXPECT_EQ(DivisionalSign(c.division, position), c.expected)
        << "D" << c.division << " sign " << c.sign << " " << c.degrees << ":" << c.minutes << ":"
        << c.seconds;
  }
}

TEST(DivisionalSign, ReadsOnlyWholeLongFormTexts) {
  const auto read = ParseLongitudeText("17\u00b0 12' 18\" Pis");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->sign, Pis);
  EXPECT_EQ(read->seconds, 17 * 3600 + 12 * 60 + 18);
  for (const char* bad : {"", "12\u00b0 3' Ari", "30\u00b0 0' 0\" Ari", "5\u00b0 0' 0\" ",
                          "5\u00b0 0' 0\" Xyz", "a\u00b0 0' 0\" Ari"})
    EXPECT_FALSE(ParseLongitudeText(bad)) << bad;
}

// Golden chart 0: Sun 0°27' Pis, Moon 10°43' Leo, Mercury 17°12' Pis, Venus 16°02' Cap,
// Mars 3°27' Sco, Jupiter 18°51' Pis, Saturn 21°05' Sag, Rahu 11°47' Aqu, Ketu 11°47' Leo,
// Asc 15°35' Ari; their navamsas by hand: Can, Can, Sag, Tau, Leo, Sag, Lib, Cap, Can, Leo.
TEST(DivisionalChart, NavamsaOfAKnownBirthCellByCell) {
  const test::GoldenChart& golden = test::GoldenChartById(0);
  const Chart birth_chart = CalculateChart(StoreZoneRow(golden.birth, golden.zone_row));
  ASSERT_EQ(birth_chart.HouseCells, golden.chart.HouseCells);
  const Chart navamsa = DivisionalChart(birth_chart, 9);

  auto name = [&](int body) { return "\r\n" + birth_chart.ChartBodyNames[body]; };
  const std::array<std::string, 12> houses = {name(4) + "\r\nAsc",
                                              "",
                                              name(6),
                                              "",
                                              name(2) + name(5),
                                              name(7),
                                              "",
                                              "",
                                              "",
                                              name(3),
                                              "",
                                              name(0) + name(1) + name(8)};
  EXPECT_EQ(navamsa.HouseCells, houses);
  EXPECT_EQ(navamsa.AscendantSign, Leo);
  EXPECT_EQ(navamsa.SignPictures[0], Leo + 1);
  EXPECT_EQ(navamsa.SignPictures[8], Ari + 1);
  EXPECT_EQ(navamsa.PositionsTable, birth_chart.PositionsTable);
  EXPECT_EQ(DivisionalChart(birth_chart, 1).HouseCells, birth_chart.HouseCells);
}

// The same birth in the sidereal zodiac (ayanamsha 24°30'): Sun 6°36' Aqu, Moon 16°14' Can,
// Mercury 23°21' Aqu, Venus 22°11' Sag, Mars 9°36' Lib, Jupiter 25°00'06" Aqu, Saturn 27°15' Sco,
// Rahu 17°17' Cap, Ketu 17°17' Can, Asc 21°05' Pis; their navamsas by hand: Sco, Sco, Tau, Lib,
// Sag, Tau, Pis, Gem, Sag, Cap. A navamsa divides the longitudes the chart shows.
TEST(DivisionalChart, SiderealNavamsaDividesTheSiderealLongitudes) {
  const test::GoldenChart& golden = test::GoldenChartById(0);
  const Chart sidereal = CalculateChart(StoreZoneRow(golden.birth, golden.zone_row),
                                        {Zodiac::SiderealLahiri, PositionsSource::Classic});
  const Chart navamsa = DivisionalChart(sidereal, 9);

  auto name = [&](int body) { return "\r\n" + sidereal.ChartBodyNames[body]; };
  const std::array<std::string, 12> houses = {
      "\r\nAsc", "", name(6), "",      name(2) + name(5), name(7),
      "",        "", "",      name(3), name(0) + name(1), name(4) + name(8)};
  EXPECT_EQ(navamsa.HouseCells, houses);
  EXPECT_EQ(navamsa.AscendantSign, Cap);
}

}  // namespace
}  // namespace quendal
