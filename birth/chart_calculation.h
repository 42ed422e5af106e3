// One chart from end to end: the zone row into BirthData, every position, the retrograde
// marks, the sign cells, the house cells in ascendant order and the sign pictures.
#pragma once

#include <array>
#include <string>

#include "chart/birth_data.h"
#include "chart/chart.h"
#include "chart/chart_cells.h"
#include "vedic/nakshatra.h"

namespace quendal {

// Fills ZoneHours, ZoneMinutes, ZoneHoursText and ZoneMinutesText from the zone row (0-70).
BirthData StoreZoneRow(BirthData birth, int zone_row);

// The tropical chart of the classic formulas.
Chart CalculateChart(const BirthData& birth);
Chart CalculateChart(const BirthData& birth, const ChartOptions& options);

}  // namespace quendal
