#include "birth/chart_calculation.h"

#include "moon_retro/retrogrades.h"

namespace quendal {

// Placeholder: the real computation replaces this.
BirthData StoreZoneRow(BirthData birth, int) { return birth; }

Chart CalculateChart(const BirthData& birth) {
  Chart chart;
  chart.ChartBodyNames = MarkRetrogradePlanets(birth).ChartBodyNames;
  return chart;
}

}  // namespace quendal
