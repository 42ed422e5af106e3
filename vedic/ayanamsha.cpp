#include "vedic/ayanamsha.h"

#include "positions/longitude_text.h"

namespace quendal {

double LahiriAyanamsha(double T) {
  return kLahiriAtJ2000 + (5028.796195 * T + 1.1054348 * T * T) / 3600;
}

double JulianCenturiesFromJ2000(double julian_day) {
  return (julian_day - kJ2000JulianDay) / 36525;
}

std::string FormatAyanamsha(double degrees) {
  std::string text = FormatLongitude(degrees);
  const auto seconds_end = text.rfind('"');
  if (seconds_end != std::string::npos) text.resize(seconds_end + 1);
  return text;
}

}  // namespace quendal
