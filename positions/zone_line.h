// The zone a chart was cast in, as one line every output shows the same way.
#pragma once

#include <string>
#include <string_view>

#include "chart/translatable.h"

namespace quendal {

// The offset a row carries, in seconds east of Greenwich (row 34, Indian Time: 19800).
int RowOffsetSeconds(int row);

// "UTC+05:30", "UTC-10:30", "UTC+05:21:10".
std::string UtcOffsetLabel(int offset_seconds);

// "Zone: Indian Time, IST, +5.3 (UTC+05:30)". Ticked daylight saving moves the clock an hour
// further east: "Zone: Eastern Standard Time,EST,-5.0 and daylight saving (UTC-04:00)".
std::string ZoneLine(int row, bool daylight_saving);

// Whether the row's name says daylight or summer time: the row then holds the hour already.
bool RowHoldsDaylightSaving(int row);
inline constexpr std::string_view kDaylightTwiceNote = QUENDAL_TRANSLATABLE(
    "PlaceNote", "This zone already holds daylight saving; the ticked box adds another hour.");

}  // namespace quendal
