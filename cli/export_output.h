// The text export of a chart, byte for byte what the chart window's "&Export Chart As Text"
// writes: month names from the system locale, the Sun and Moon signs as the chart child
// shows them.
#pragma once

#include <string>

#include "chart/birth_data.h"
#include "birth/chart_calculation.h"

namespace quendal::cli {

std::string ChartExportText(const BirthData& birth, const Chart& chart);

}  // namespace quendal::cli
