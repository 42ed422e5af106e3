// Births for the core tests: a local date and time in a zone row, and a place when it matters.
#pragma once

#include "chart/birth_data.h"
#include "birth/chart_calculation.h"

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

}  // namespace quendal::test
