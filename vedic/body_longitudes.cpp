#include "vedic/body_longitudes.h"

#include <cmath>

#include "vedic/ayanamsha.h"

namespace quendal {

double WrapDegrees(double x) {
  x = std::fmod(x, 360.0);
  return x < 0 ? x + 360 : x;
}

BodyLongitudes ClassicToSidereal(BodyLongitudes tropical, double ayanamsha_of_birth) {
  return ClassicToSidereal(tropical, ayanamsha_of_birth, kLahiriAtJ2000);
}

BodyLongitudes ClassicToSidereal(BodyLongitudes tropical, double ayanamsha_of_birth,
                                 double ayanamsha_of_j2000) {
  for (double& planet : tropical.planets) planet = WrapDegrees(planet - ayanamsha_of_j2000);
  for (double* of_date : {&tropical.Moon, &tropical.Rahu, &tropical.Ketu, &tropical.Ascendant})
    *of_date = WrapDegrees(*of_date - ayanamsha_of_birth);
  return tropical;
}

}  // namespace quendal
