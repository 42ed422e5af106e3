// Built without the Swiss Ephemeris: no sunrise, and the day says so.
#include "vedic/sunrise.h"

namespace quendal {

SunDay SunriseAndSunset(double, double, double, std::optional<double>) { return {}; }

}  // namespace quendal
