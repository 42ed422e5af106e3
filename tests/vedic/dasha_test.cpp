#include "vedic/dasha.h"

#include <gtest/gtest.h>

#include "vedic/nakshatra.h"

namespace quendal {
namespace {

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

}  // namespace
}  // namespace quendal
