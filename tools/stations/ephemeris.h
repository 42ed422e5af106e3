// What the station generator and its check share: the Swiss Ephemeris set-up, the five
// planets, and the text form of a station moment in universal time.
#pragma once

#include <string>

namespace stations {

struct Planet {
  const char* name;  // "Mercury", also the stem of the table names
  int body;          // Swiss Ephemeris body number
};

// Jupiter and Saturn are the system barycentres: the Swiss Ephemeris gives those unless
// SEFLG_CENTER_BODY is set, and the flags below never set it.
extern const Planet kPlanets[5];

// Apparent geocentric ecliptic longitude of date (light-time, aberration, deflection,
// nutation) from the DE431-based files only; a silent fall-back to the analytical
// ephemeris would ruin the minutes, so it aborts instead.
void OpenEphemeris(const char* path);
// Switches to the analytical ephemeris built into the library, for a second opinion.
void UseAnalyticalEphemeris();
void CloseEphemeris();
double Longitude(int body, double jd_ut);
double LongitudeSpeed(int body, double jd_ut);  // degrees per day

struct Moment {
  int year, month, day, hour, minute;
};

// Rounded to the nearest minute of universal time.
Moment ToMoment(double jd_ut);
double ToJulianDay(const Moment& moment);
std::string ToText(const Moment& moment);  // "3,15,1900,13,19,"
// Returns false when the text is not five comma-terminated integers.
bool FromText(const std::string& text, Moment* moment);

}  // namespace stations
