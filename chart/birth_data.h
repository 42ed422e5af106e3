// The birth-data record: what the form holds at the moment a chart is calculated, and what
// every computation, the chart child, the reading file and the text export read.
#pragma once

#include <string>

namespace quendal {

struct BirthData {
  std::string PersonName;
  int BirthMonth = 1;  // 1 to 12
  int BirthDay = 1;
  int BirthYear = 1901;
  int BirthHour = 0;  // local civil time
  int BirthMinute = 0;
  // Magnitudes and signed texts of the chosen zone row; see StoreZoneRow.
  int ZoneHours = 0;
  int ZoneMinutes = 0;
  std::string ZoneHoursText = "0";
  std::string ZoneMinutesText = "0";
  int LongitudeDegrees = 0;
  int LongitudeMinutes = 0;
  int LatitudeDegrees = 0;
  int LatitudeMinutes = 0;
  bool LongitudeIsEast = true;
  bool LatitudeIsSouth = false;
  bool DaylightSaving = false;
  std::string BirthCity;
  std::string BirthState;
  std::string BirthCountry;

  bool operator==(const BirthData&) const = default;
};

}  // namespace quendal
