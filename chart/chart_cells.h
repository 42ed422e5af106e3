// The cells of a chart: which bodies stand in each sign and house, and the sign pictures.
#pragma once

#include <array>

#include "chart/chart.h"

namespace quendal {

// Fills the sign cells, house cells, sign pictures and ascendant sign from the sign (0 =
// Aries, -1 none) of each positions-table row, with the chart's ChartBodyNames.
void PlaceInCells(Chart& chart, const std::array<int, 10>& signs);

}  // namespace quendal
