#include "positions/zone_line.h"

#include <cstdio>
#include <cstdlib>

#include "positions/calendar.h"
#include "positions/time_zones.h"

namespace quendal {

int RowOffsetSeconds(int row) {
  const TimeZoneTable& table = FillTimeZoneTable();
  const auto at = static_cast<size_t>(row);
  // The table holds what is added to clock time to reach universal time: the negated offset.
  return -(ZoneOffsetValue(table.TimeZoneHourOffsets[at]) * 3600 +
           ZoneOffsetValue(table.TimeZoneMinuteOffsets[at]) * 60);
}

std::string UtcOffsetLabel(int offset_seconds) {
  const int magnitude = std::abs(offset_seconds);
  char text[32];
  int length = std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offset_seconds < 0 ? '-' : '+',
                             magnitude / 3600, magnitude / 60 % 60);
  if (magnitude % 60 != 0)
    length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length), ":%02d",
                            magnitude % 60);
  return std::string(text, static_cast<size_t>(length));
}

std::string ZoneLine(int row, bool daylight_saving) {
  if (row < 0 || row >= kTimeZoneRowCount) return {};
  std::string line = "Zone: ";
  line += FillTimeZoneTable().TimeZoneNames[static_cast<size_t>(row)];
  if (daylight_saving) line += " and daylight saving";
  line += " (" + UtcOffsetLabel(RowOffsetSeconds(row) + (daylight_saving ? 3600 : 0)) + ")";
  return line;
}

bool RowHoldsDaylightSaving(int row) {
  if (row < 0 || row >= kTimeZoneRowCount) return false;
  const std::string_view name = FillTimeZoneTable().TimeZoneNames[static_cast<size_t>(row)];
  return name.find("Daylight") != std::string_view::npos ||
         name.find("Summer") != std::string_view::npos;
}

}  // namespace quendal
