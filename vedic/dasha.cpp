#include "vedic/dasha.h"

#include <chrono>
#include <cmath>

namespace quendal {

double DayNumber(int year, int month, int day, int hour, int minute) {
  using namespace std::chrono;
  const sys_days date =
      year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                     std::chrono::day(static_cast<unsigned>(day))};
  return date.time_since_epoch().count() + (hour * 60 + minute) / 1440.0;
}

std::string IsoDate(double day_number) {
  std::string text;
  AppendIsoDate(text, day_number);
  return text;
}

// Written digit by digit: a batch of charts writes 180 dates a chart.
void AppendIsoDate(std::string& out, double day_number) {
  using namespace std::chrono;
  const year_month_day date{sys_days{days{static_cast<long>(std::floor(day_number))}}};
  const int year = static_cast<int>(date.year());
  const auto month = static_cast<unsigned>(date.month());
  const auto day = static_cast<unsigned>(date.day());
  const char text[10] = {static_cast<char>('0' + year / 1000 % 10),
                         static_cast<char>('0' + year / 100 % 10),
                         static_cast<char>('0' + year / 10 % 10),
                         static_cast<char>('0' + year % 10),
                         '-',
                         static_cast<char>('0' + month / 10),
                         static_cast<char>('0' + month % 10),
                         '-',
                         static_cast<char>('0' + day / 10),
                         static_cast<char>('0' + day % 10)};
  out.append(text, sizeof text);
}

Dasha VimshottariDasha(double birth_day, const NakshatraPlace& moon, double year_days) {
  Dasha dasha{};
  // The first mahadasha began before birth, when the Moon entered its nakshatra.
  double full_start =
      birth_day - moon.passed * kDashaYears[static_cast<std::size_t>(moon.lord)] * year_days;
  for (int i = 0; i < 9; ++i) {
    Mahadasha& maha = dasha[static_cast<std::size_t>(i)];
    maha.lord = (moon.lord + i) % 9;
    const double years = kDashaYears[static_cast<std::size_t>(maha.lord)];
    maha.start = i == 0 ? birth_day : full_start;
    maha.end = full_start + years * year_days;
    double sub_start = full_start;
    for (int j = 0; j < 9; ++j) {
      DashaPeriod& sub = maha.antardashas[static_cast<std::size_t>(j)];
      sub.lord = (maha.lord + j) % 9;
      sub.start = sub_start;
      sub.end =
          sub_start + years * kDashaYears[static_cast<std::size_t>(sub.lord)] / 120 * year_days;
      sub_start = sub.end;
    }
    maha.antardashas.back().end = maha.end;  // no rounding gap between mahadashas
    full_start = maha.end;
  }
  return dasha;
}

}  // namespace quendal
