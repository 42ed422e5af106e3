// Calendar arithmetic and the two rules that turn a local birth time into universal time:
// the hemisphere rule (ascendant, Moon) and the calendar rule (planets, nodes).
#pragma once

#include "chart/birth_data.h"

namespace quendal {

// Julian day number of a civil date (the Julian date of its noon); Julian calendar before
// 15 October 1582, Gregorian from then on. Integers held in doubles.
double JulianDayNumber(double month, double day, double year);

// Days from 2000 January 1, 12:00 universal time. Exact from March 1900 to February 2100.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute);

// The zone row lies east of Greenwich: its stored hour or minute offset is negative.
bool ZoneIsEast(const BirthData& birth);

// Universal hours on the local civil date, by the hemisphere rule, with the zone's direction
// taken from the zone row (a Madrid birth on Central European Time is east of Greenwich in
// its clock even though the city lies west of the meridian). Not reduced into 0..24.
struct HemisphereTime {
  double L = 0;  // local clock hours
  double Z = 0;  // zone magnitude in hours, daylight saving applied
  double W = 0;  // longitude, degrees, west positive
  double N = 0;  // latitude, degrees, north positive
  double U = 0;  // universal hours counted from 0 h of the local date
};
HemisphereTime ApplyHemisphereRule(const BirthData& birth);

// The birth moment as a Julian day of universal time, by the hemisphere rule.
double BirthJulianDay(const BirthData& birth);

struct CivilDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  bool operator==(const CivilDateTime&) const = default;
};

// Universal date and time by the calendar rule: the row's signed hour and minute offsets
// added to the local clock with full Gregorian carry; daylight saving does not enter.
CivilDateTime ApplyCalendarRule(const BirthData& birth);

// Whole offset from a zone offset text ("-10", " 30"); 0 when the text holds no number.
int ZoneOffsetValue(std::string_view text);

}  // namespace quendal
