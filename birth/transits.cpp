#include "birth/transits.h"

#include <chrono>
#include <cmath>

#include "positions/longitude_text.h"

namespace quendal {
namespace {

constexpr std::array<const char*, 10> kTransitNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

int SignOf(double longitude) { return static_cast<int>(std::floor(longitude / 30)) % 12; }

}  // namespace

CivilDateTime MomentInBirthZone(const BirthData& birth, std::int64_t unix_seconds) {
  using namespace std::chrono;
  const HemisphereTime time = ApplyHemisphereRule(birth);
  const sys_seconds local{seconds{unix_seconds + std::lround((time.L - time.U) * 3600)}};
  const sys_days day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss clock{local - day};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count())};
}

Transits CalculateTransits(const BirthData& birth, const Chart& natal,
                           const CivilDateTime& moment) {
  BirthData at = birth;
  at.BirthYear = moment.year;
  at.BirthMonth = moment.month;
  at.BirthDay = moment.day;
  at.BirthHour = moment.hour;
  at.BirthMinute = moment.minute;
  Transits transits;
  transits.moment = moment;
  transits.chart = CalculateChart(at, natal.Options);
  const int lagna = natal.AscendantSign < 0 ? SignOf(natal.Longitudes[9]) : natal.AscendantSign;
  const int moon = SignOf(natal.Longitudes[1]);
  for (std::size_t i = 0; i < transits.bodies.size(); ++i) {
    TransitBody& body = transits.bodies[i];
    body.name = kTransitNames[i];
    body.longitude = transits.chart.Longitudes[i];
    body.sign = SignOf(body.longitude);
    body.house_from_lagna = (body.sign - lagna + 12) % 12 + 1;
    body.house_from_moon = (body.sign - moon + 12) % 12 + 1;
    // Rows 2 to 6 are Mercury to Saturn, the five bodies that carry a retrograde mark.
    if (i >= 2 && i <= 6) body.retrograde = transits.chart.RetrogradeFlags[i - 2];
  }
  return transits;
}

std::string TransitCaption(const CivilDateTime& moment) {
  const auto two = [](int n) { return std::string(1, '0' + n / 10) + char('0' + n % 10); };
  const std::string month =
      moment.month >= 1 && moment.month <= 12 ? kMonthNames[moment.month - 1] : "?";
  return "Transits of " + std::to_string(moment.day) + " " + month + " " +
         std::to_string(moment.year) + " " + two(moment.hour) + ":" + two(moment.minute) +
         " over the birth chart";
}

std::string TransitLongitudeText(const TransitBody& body) {
  return FormatLongitude(body.longitude) + (body.retrograde ? " (R)" : "");
}

}  // namespace quendal
