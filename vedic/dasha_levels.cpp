#include "vedic/dasha_levels.h"

#include <chrono>
#include <cmath>

#include "vedic/nakshatra.h"

namespace quendal {
namespace {

std::chrono::year_month_day DateOf(double day_number) {
  using namespace std::chrono;
  return year_month_day{sys_days{days{static_cast<long>(std::floor(day_number))}}};
}

std::string Count(int n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::array<DashaPeriod, 9> Pratyantardashas(const DashaPeriod& antardasha) {
  std::array<DashaPeriod, 9> periods{};
  const double length = antardasha.end - antardasha.start;
  double start = antardasha.start;
  for (int k = 0; k < 9; ++k) {
    DashaPeriod& period = periods[static_cast<std::size_t>(k)];
    period.lord = (antardasha.lord + k) % 9;
    period.start = start;
    period.end = start + length * kDashaYears[static_cast<std::size_t>(period.lord)] / 120;
    start = period.end;
  }
  periods.back().end = antardasha.end;  // no rounding gap at the antardasha's end
  return periods;
}

CalendarSpan CalendarDifference(double from, double to) {
  using namespace std::chrono;
  if (to < from) {
    const CalendarSpan back = CalendarDifference(to, from);
    return {-back.years, -back.months, -back.days};
  }
  const year_month_day a = DateOf(from), b = DateOf(to);
  // Whole months first, a day past the end of a shorter month taken as its last day (31
  // January and one month is 29 February 2000), then the days that remain.
  const auto plus = [&a](int months) {
    const year_month_day shifted =
        year_month_day{a.year() / a.month() / 1d} + std::chrono::months{months};
    const year_month_day_last end{shifted.year() / shifted.month() / last};
    return year_month_day{shifted.year() / shifted.month() / std::min(a.day(), end.day())};
  };
  int months = (static_cast<int>(b.year()) - static_cast<int>(a.year())) * 12 +
               static_cast<int>(static_cast<unsigned>(b.month())) -
               static_cast<int>(static_cast<unsigned>(a.month()));
  if (sys_days{plus(months)} > sys_days{b}) --months;
  const int days = static_cast<int>((sys_days{b} - sys_days{plus(months)}).count());
  return {months / 12, months % 12, days};
}

Dasha DashaOfChart(const Chart& chart) {
  return VimshottariDasha(chart.BirthDay, chart.MoonNakshatra,
                          DashaYearDays(chart.Options.dasha_year));
}

CalendarSpan DashaBalance(const Dasha& dasha) {
  return CalendarDifference(dasha[0].start, dasha[0].end);
}

std::string DashaBalanceText(const Dasha& dasha) {
  const CalendarSpan span = DashaBalance(dasha);
  return std::string(kDashaLords[static_cast<std::size_t>(dasha[0].lord)]) + ": " +
         Count(span.years, "year") + " " + Count(span.months, "month") + " " +
         Count(span.days, "day");
}

std::string AgeText(double birth_day, double day) {
  if (std::floor(day) < std::floor(birth_day)) return "-";
  const CalendarSpan age = CalendarDifference(birth_day, day);
  return std::to_string(age.years) + " y " + std::to_string(age.months) + " m";
}

}  // namespace quendal
