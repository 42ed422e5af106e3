// Retrograde marks of Mercury to Saturn, looked up in the built-in station tables.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/birth_data.h"

namespace quendal {

struct RetrogradeMarks {
  std::array<bool, 5> RetrogradeFlags{};      // Mercury, Venus, Mars, Jupiter, Saturn
  std::array<std::string, 9> ChartBodyNames;  // entries 2 to 6 end in " (R) " when marked
};

// A civil date and clock time as entered, with no zone attached.
struct BirthMoment {
  int Year = 1901;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
};

// True when the date of the moment lies strictly after the date of one of the planet's
// stations retrograde and strictly before the date of the station direct that follows;
// the times of day take no part. Any name but "Mercury" to "Saturn" gives false.
bool IsRetrograde(const BirthMoment& moment, std::string_view planet_name);

// Uses the birth date as entered: no zone, daylight saving or longitude.
RetrogradeMarks MarkRetrogradePlanets(const BirthData& birth);

// The marks for flags found otherwise (the precise engine's speeds).
RetrogradeMarks RetrogradeMarksOf(const std::array<bool, 5>& flags);

}  // namespace quendal
