// Retrograde marks of Mercury to Saturn, looked up in the built-in station tables.
#pragma once

#include <array>
#include <string>

#include "birth/birth_data.h"

namespace quendal {

struct RetrogradeMarks {
  std::array<bool, 5> RetrogradeFlags{};       // Mercury, Venus, Mars, Jupiter, Saturn
  std::array<std::string, 9> ChartBodyNames;   // entries 2 to 6 end in " (R) " when marked
};

// Uses the birth date as entered: no zone, daylight saving or longitude.
RetrogradeMarks MarkRetrogradePlanets(const BirthData& birth);

}  // namespace quendal
