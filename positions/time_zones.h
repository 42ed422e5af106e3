// The 71 time zones of the zone list. Row numbers are list positions in cboTimeZone.
#pragma once

#include <array>
#include <string_view>

namespace quendal {

inline constexpr int kTimeZoneRowCount = 71;

// Three parallel columns, rows 0 to 70; the offsets are what is added to local clock time
// to obtain universal time, so zones east of Greenwich carry negative texts.
struct TimeZoneTable {
  std::array<std::string_view, kTimeZoneRowCount> TimeZoneNames;
  std::array<std::string_view, kTimeZoneRowCount> TimeZoneHourOffsets;
  std::array<std::string_view, kTimeZoneRowCount> TimeZoneMinuteOffsets;
};

// Hands out the compile-time table.
const TimeZoneTable& FillTimeZoneTable();

}  // namespace quendal
