// A dasha worked by hand to its third level, its balance at birth and ages, and the
// calendar difference they are counted with.
#include "vedic/dasha_levels.h"

#include <gtest/gtest.h>

#include "vedic/nakshatra.h"

namespace quendal {
namespace {

// A Moon at 10° sidereal has passed three quarters of Ashwini (Ketu, 7 years): the Ketu
// mahadasha began 5.25 years (1917.5625 days) before the birth of 2000-01-01, on 1994-10-01,
// and ends 1.75 years after it, on 2001-10-01. Its first antardasha, Ketu again, lasts
// 7 × 7 / 120 years = 149.14375 days; that one's pratyantardashas run Ketu 8.70 days (to
// 1994-10-10), Venus 24.86 days (to 1994-11-03), Sun 7.46 days (to 1994-11-11).
TEST(DashaLevels, AWorkedBirthToThreeLevels) {
  const double birth = DayNumber(2000, 1, 1, 0, 0);
  const Dasha dasha = VimshottariDasha(birth, NakshatraOf(10));
  const auto third = Pratyantardashas(dasha[0].antardashas[0]);
  const char* const lords[] = {"Ketu", "Venus", "Sun"};
  const char* const ends[] = {"1994-10-10", "1994-11-03", "1994-11-11"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(kDashaLords[static_cast<std::size_t>(third[k].lord)], lords[k]);
    EXPECT_EQ(IsoDate(third[k].end), ends[k]);
  }
  EXPECT_EQ(IsoDate(third[0].start), "1994-10-01");
  EXPECT_DOUBLE_EQ(third[8].end, dasha[0].antardashas[0].end);
  EXPECT_EQ(kDashaLords[static_cast<std::size_t>(third[8].lord)], "Mercury");

  EXPECT_EQ(DashaBalanceText(dasha), "Ketu: 1 year 9 months 0 days");
  EXPECT_EQ(AgeText(birth, third[0].start), "-");
  EXPECT_EQ(AgeText(birth, dasha[1].start), "1 y 9 m");
}

TEST(DashaLevels, CalendarDifferenceBorrowsFromTheMonthBeforeTheEnd) {
  struct Case {
    int from[3], to[3];
    int years, months, days;
  };
  const Case cases[] = {
      {{2000, 1, 1}, {2004, 9, 28}, 4, 8, 27},
      {{2000, 1, 31}, {2000, 3, 1}, 0, 1, 1},   // February 2000 has 29 days
      {{1999, 12, 15}, {2000, 1, 10}, 0, 0, 26},  // December lends its 31
      {{2000, 5, 5}, {2000, 5, 5}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const CalendarSpan span =
        CalendarDifference(DayNumber(c.from[0], c.from[1], c.from[2], 12, 0),
                           DayNumber(c.to[0], c.to[1], c.to[2], 6, 0));
    EXPECT_EQ(span.years, c.years) << c.to[0];
    EXPECT_EQ(span.months, c.months) << c.to[1];
    EXPECT_EQ(span.days, c.days) << c.to[2];
  }
}

}  // namespace
}  // namespace quendal
