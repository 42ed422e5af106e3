#include "positions/ascendant.h"

#include <cmath>

#include "positions/angle_constants.h"
#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"

namespace quendal {

AscendantPosition ComputeAscendantPosition(const BirthData& birth) {
  const HemisphereTime time = ApplyHemisphereRule(birth);
  const double J = JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
  const double T = (J - 2415020 + time.U / 24 - 0.5) / 36525;

  // The coefficients 2400.0513 and 0.0000258 are the rounded ones every chart has used.
  AscendantPosition position;
  double theta = 15 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + time.U) - time.W;
  while (theta >= 360) theta = theta - 360;
  position.theta = theta;
  const double epsilon = (23.452294 - 0.0130125 * T) * kDegreesToRadians;
  theta = theta * kDegreesToRadians;

  double A =
      Atan2Quadrant(std::cos(theta), -std::sin(theta) * std::cos(epsilon) -
                                         std::sin(epsilon) * std::tan(time.N * kDegreesToRadians));
  if (A < 0) A = A + kPi;
  if (std::cos(theta) < 0) A = A + kPi;
  double ascendant = A * kRadiansToDegrees;
  while (ascendant >= 360) ascendant = ascendant - 360;
  position.longitude = Normalize360(ascendant);
  return position;
}

std::string ComputeAscendant(const BirthData& birth) {
  return FormatLongitude(ComputeAscendantPosition(birth).longitude);
}

}  // namespace quendal
