// The ten longitudes an engine hands the driver, and the sidereal rule for the classic engine.
#pragma once

#include <array>

namespace quendal {

struct BodyLongitudes {             // degrees, 0..360
  std::array<double, 6> planets{};  // planet-engine order: Mercury, Venus, Sun, Mars, Jupiter,
                                    // Saturn
  double Moon = 0;
  double Rahu = 0;
  double Ketu = 0;
  double Ascendant = 0;
};

// x brought into 0..360.
double WrapDegrees(double x);

// The classic engine's longitudes in the sidereal zodiac. The Moon, the ascendant and the
// nodes are referred to the equinox of the date, so they lose the ayanamsha of the birth
// moment; the planets stay in the J2000 frame, so they lose the ayanamsha of J2000.0 (that of
// Lahiri unless told).
BodyLongitudes ClassicToSidereal(BodyLongitudes tropical, double ayanamsha_of_birth,
                                 double ayanamsha_of_j2000);
BodyLongitudes ClassicToSidereal(BodyLongitudes tropical, double ayanamsha_of_birth);

}  // namespace quendal
