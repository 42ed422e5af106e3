// Sunrise and sunset of one civil day at a place, from the Swiss Ephemeris' rise and set
// routine: the upper limb of the disc, standard refraction, the library's defaults.
#pragma once

#include <optional>

namespace quendal {

struct SunDay {
  bool built = false;             // false: the program has no Swiss Ephemeris
  std::optional<double> sunrise;  // Julian day, universal time; none that day
  std::optional<double> sunset;
};

// The day runs from midnight_jd_ut (local midnight in universal time) for one day; latitude
// and longitude in degrees, north and east positive. Each moment is the library's to the
// minute it rounds to and in its order against `compared` (a Julian day of universal time).
SunDay SunriseAndSunset(double midnight_jd_ut, double latitude, double east_longitude,
                        std::optional<double> compared = std::nullopt);

}  // namespace quendal
