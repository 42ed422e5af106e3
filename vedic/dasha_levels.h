// The dasha below the antardasha and as a person reads it: the nine pratyantardashas of an
// antardasha, the balance of the first mahadasha at birth and ages in years and months.
#pragma once

#include <array>
#include <string>

#include "chart/chart.h"
#include "vedic/dasha.h"

namespace quendal {

// In order from the antardasha's own lord, each as long as the antardasha × its years / 120.
std::array<DashaPeriod, 9> Pratyantardashas(const DashaPeriod& antardasha);

// The calendar difference between the dates of two day numbers, as a person counts it:
// whole years, then whole months, then days (a negative span when `to` comes first).
struct CalendarSpan {
  int years = 0;
  int months = 0;
  int days = 0;
};
CalendarSpan CalendarDifference(double from, double to);

// The dasha of a chart: from its birth day and Moon, in the year its options count in.
Dasha DashaOfChart(const Chart& chart);

// What is left of the first mahadasha at birth: from the birth date to its end date.
CalendarSpan DashaBalance(const Dasha& dasha);

// "Sun: 4 years 8 months 27 days"
std::string DashaBalanceText(const Dasha& dasha);

// The age at `day` of a person born at `birth_day`: "34 y 2 m"; "-" before birth.
std::string AgeText(double birth_day, double day);

}  // namespace quendal
