// The zone line every output shows, and the daylight rows the form warns about.
#include "positions/zone_line.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(ZoneLine, NamesTheRowAndTheOffsetReallyUsed) {
  EXPECT_EQ(ZoneLine(34, false), "Zone: Indian Time, IST, +5.3 (UTC+05:30)");
  EXPECT_EQ(ZoneLine(27, true),
            "Zone: Eastern Standard Time,EST,-5.0 and daylight saving (UTC-04:00)");
  EXPECT_EQ(ZoneLine(32, false), "Zone: Hawaiian Standard Time,HST,-10.5 (UTC-10:30)");
  EXPECT_EQ(ZoneLine(71, false), "");
  EXPECT_EQ(UtcOffsetLabel(19270), "UTC+05:21:10");
  EXPECT_EQ(UtcOffsetLabel(0), "UTC+00:00");
  int daylight_rows = 0;
  for (int row = 0; row < 71; ++row) daylight_rows += RowHoldsDaylightSaving(row);
  // Fifteen Daylight rows, two British summers and two New Zealand summers.
  EXPECT_EQ(daylight_rows, 19);
}

}  // namespace
}  // namespace quendal
