// quendal-chart's tables of every body to read: the Shodashavarga and the nakshatras (their
// JSON is the chart's, chart_text/chart_json.h).
#pragma once

#include <ostream>

#include "birth/chart_calculation.h"

namespace quendal::cli {

void WriteReadableVargas(std::ostream& out, const Chart& chart);
void WriteReadableBodies(std::ostream& out, const Chart& chart);

}  // namespace quendal::cli
