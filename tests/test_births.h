// Births for the core tests: a local date and time in a zone row, and a place when it matters.
#pragma once

#include <algorithm>
#include <cmath>

#include "birth/chart_calculation.h"
#include "chart/birth_data.h"
#include "vedic/body_longitudes.h"

namespace quendal::test {

// Row 29 is Greenwich Mean Time.
inline BirthData BirthAt(int year, int month, int day, int hour, int minute, int zone_row = 29) {
  BirthData birth;
  birth.BirthYear = year;
  birth.BirthMonth = month;
  birth.BirthDay = day;
  birth.BirthHour = hour;
  birth.BirthMinute = minute;
  return StoreZoneRow(birth, zone_row);
}

inline BirthData AtPlace(BirthData birth, int lon_degrees, int lon_minutes, bool east,
                         int lat_degrees, int lat_minutes) {
  birth.LongitudeDegrees = lon_degrees;
  birth.LongitudeMinutes = lon_minutes;
  birth.LongitudeIsEast = east;
  birth.LatitudeDegrees = lat_degrees;
  birth.LatitudeMinutes = lat_minutes;
  return birth;
}

// Pune, 9 July 1984, 05:40 Indian time (zone row 34).
inline BirthData Pune() { return AtPlace(BirthAt(1984, 7, 9, 5, 40, 34), 73, 52, true, 18, 31); }

inline constexpr double kArcSecond = 1.0 / 3600;

// The shorter way round between two longitudes, in degrees.
inline double AngleBetween(double a, double b) {
  const double d = std::fabs(WrapDegrees(a - b));
  return std::min(d, 360 - d);
}

}  // namespace quendal::test
