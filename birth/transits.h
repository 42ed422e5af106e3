// The sky of another moment over a natal chart: the ten bodies of that moment at the birth
// place, with the houses they pass through counted from the natal ascendant and Moon.
#pragma once

#include <cstdint>

#include <array>
#include <string>

#include "birth/chart_calculation.h"
#include "positions/calendar.h"

namespace quendal {

struct TransitBody {
  std::string name;  // "Sun" ... "Ketu", "Asc"
  double longitude = 0;
  int sign = 0;              // 0 = Aries
  int house_from_lagna = 0;  // 1..12
  int house_from_moon = 0;
  bool retrograde = false;
};

struct Transits {
  CivilDateTime moment;  // read in the birth's local clock
  Chart chart;           // the chart of the moment, cast with the natal chart's options
  std::array<TransitBody, 10> bodies;  // table order, the ascendant of the moment last
};

// The moment is read in the birth's own zone and daylight saving.
Transits CalculateTransits(const BirthData& birth, const Chart& natal,
                           const CivilDateTime& moment);

// The clock of the birth's zone (its row's offset, an hour more with daylight saving) at a
// moment given in seconds since 1970-01-01 00:00 UTC, to the minute.
CivilDateTime MomentInBirthZone(const BirthData& birth, std::int64_t unix_seconds);

// "Transits of 8 December 2026 12:00 over the birth chart"
std::string TransitCaption(const CivilDateTime& moment);

// "21° 03' 40\" Pis" with " (R)" when retrograde, as the positions show a body.
std::string TransitLongitudeText(const TransitBody& body);

}  // namespace quendal
