#include "vedic/nakshatra.h"

#include <algorithm>
#include <cmath>

namespace quendal {

NakshatraPlace NakshatraOf(double sidereal_longitude) {
  double x = std::fmod(sidereal_longitude, 360.0);
  if (x < 0) x += 360;
  // 13°20' is 360/27 degrees: multiplying before dividing rounds once, not twice.
  const double parts = x * 27 / 360;
  NakshatraPlace place;
  place.index = std::min(26, static_cast<int>(std::floor(parts)));
  place.passed = std::clamp(parts - place.index, 0.0, 1.0);
  place.pada = std::min(4, static_cast<int>(std::floor(place.passed * 4)) + 1);
  place.lord = place.index % 9;
  return place;
}

}  // namespace quendal
