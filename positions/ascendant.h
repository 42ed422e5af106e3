// The ascendant: the ecliptic longitude rising in the east at the birth place and moment,
// from local sidereal time, the obliquity of the ecliptic and the latitude.
#pragma once

#include <string>

#include "chart/birth_data.h"

namespace quendal {

struct AscendantPosition {
  double theta = 0;      // right ascension of the meridian, degrees; never raised when negative
  double longitude = 0;  // degrees, after the final wrap
};
AscendantPosition ComputeAscendantPosition(const BirthData& birth);

// AscendantText, in the long form.
std::string ComputeAscendant(const BirthData& birth);

}  // namespace quendal
