// The mean Lahiri ayanamsha: the Lahiri value at J2000 carried along by the general
// precession in longitude.
#pragma once

#include <string>

namespace quendal {

inline constexpr double kJ2000JulianDay = 2451545.0;
inline constexpr double kLahiriAtJ2000 = 23.857092;  // degrees

// Degrees at T Julian centuries from 2000 January 1.5.
double LahiriAyanamsha(double T);

// T of a Julian day (universal time; the few seconds to dynamical time move the value by
// well under a thousandth of an arc second).
double JulianCenturiesFromJ2000(double julian_day);

// The long form of the positions without a sign, e.g. 23° 42' 10".
std::string FormatAyanamsha(double degrees);

}  // namespace quendal
