#include "positions/calendar.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace quendal {
namespace {

// Days since 1970-01-01 in the proleptic Gregorian calendar, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

double JulianDayNumber(double month, double day, double year) {
  const double m = 12 * (year + 4800) + month - 3;
  const double mm = m - 12 * std::floor(m / 12);
  double j = std::floor((365 * m + 7 + 2 * mm) / 12) + day + std::floor(m / 48) - 32083;
  if (j >= 2299171) j = j + std::floor(m / 4800) - std::floor(m / 1200) + 38;
  return j;
}

double DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
  const double y = year;
  const double m = month;
  return 367 * y - std::floor(7 * (y + std::floor((m + 9) / 12)) / 4) + std::floor(275 * m / 9) +
         day - 730531.5 + (hour + minute / 60.0) / 24;
}

int ZoneOffsetValue(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text.remove_prefix(first);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

bool ZoneIsEast(const BirthData& birth) {
  return ZoneOffsetValue(birth.ZoneHoursText) < 0 || ZoneOffsetValue(birth.ZoneMinutesText) < 0;
}

HemisphereTime ApplyHemisphereRule(const BirthData& birth) {
  HemisphereTime t;
  t.L = birth.BirthHour + birth.BirthMinute / 60.0;
  t.Z = birth.ZoneHours + birth.ZoneMinutes / 60.0;
  t.W = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
  if (birth.LongitudeIsEast) t.W = -t.W;
  t.N = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
  if (birth.LatitudeIsSouth) t.N = -t.N;
  const bool east = ZoneIsEast(birth);
  if (birth.DaylightSaving) t.Z = east ? t.Z + 1 : t.Z - 1;
  t.U = east ? t.L - t.Z : t.L + t.Z;
  return t;
}

double BirthJulianDay(const BirthData& birth) {
  return JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear) - 0.5 +
         ApplyHemisphereRule(birth).U / 24;
}

CivilDateTime ApplyCalendarRule(const BirthData& birth) {
  const std::int64_t days = DaysFromCivil(birth.BirthYear, static_cast<unsigned>(birth.BirthMonth),
                                          static_cast<unsigned>(birth.BirthDay));
  const std::int64_t minutes = days * 1440 + birth.BirthHour * 60 + birth.BirthMinute +
                               ZoneOffsetValue(birth.ZoneHoursText) * 60 +
                               ZoneOffsetValue(birth.ZoneMinutesText);
  CivilDateTime ut;
  CivilFromDays(FloorDiv(minutes, 1440), ut.year, ut.month, ut.day);
  const std::int64_t in_day = minutes - FloorDiv(minutes, 1440) * 1440;
  ut.hour = static_cast<int>(in_day / 60);
  ut.minute = static_cast<int>(in_day % 60);
  return ut;
}

}  // namespace quendal
