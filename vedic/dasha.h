// The Vimshottari dasha: nine mahadashas from birth, the first shortened by the part of the
// Moon's nakshatra already passed, each made of nine antardashas in proportion.
#pragma once

#include <array>
#include <string>

#include "vedic/nakshatra.h"

namespace quendal {

// A year of the dasha is 365.25 days unless the caller counts in another year.
inline constexpr double kDashaYearDays = 365.25;

// Moments are day numbers: days from 1970-01-01 00:00 of the local clock, with the time of
// day as the fraction (the dates shown are those of the birth's own calendar).
double DayNumber(int year, int month, int day, int hour, int minute);
std::string IsoDate(double day_number);  // "2024-03-05", years 0 to 9999
void AppendIsoDate(std::string& out, double day_number);

struct DashaPeriod {
  int lord = 0;  // index into kDashaLords
  double start = 0;
  double end = 0;
};

struct Mahadasha : DashaPeriod {
  // Dated from the mahadasha's full start, so those of the first one may begin (or end)
  // before birth: that is when they ran.
  std::array<DashaPeriod, 9> antardashas{};
};

using Dasha = std::array<Mahadasha, 9>;

// year_days: the length of the year the lords' years are counted in.
Dasha VimshottariDasha(double birth_day, const NakshatraPlace& moon,
                       double year_days = kDashaYearDays);

// The index of the period in force at `day`, -1 when none is.
template <typename Periods>
int PeriodAt(const Periods& periods, double day) {
  for (std::size_t i = 0; i < periods.size(); ++i)
    if (periods[i].start <= day && day < periods[i].end) return static_cast<int>(i);
  return -1;
}

}  // namespace quendal
