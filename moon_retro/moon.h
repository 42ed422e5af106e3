// The Moon's longitude at birth from a 25-term periodic series, and the name of its sign.
#pragma once

#include <string>

#include "chart/birth_data.h"

namespace quendal {

// Degrees, 0..360, tropical, for the hemisphere-rule universal time of the birth.
double MoonLongitude(const BirthData& birth);

struct MoonPosition {
  std::string MoonText;      // long form
  std::string MoonSignName;  // "Aries" to "Pisces"; empty when the text names no sign
};
MoonPosition ComputeMoonPosition(const BirthData& birth);
// The same texts for a longitude from elsewhere (the sidereal zodiac, the precise engine).
MoonPosition MoonPositionAt(double longitude);

}  // namespace quendal
