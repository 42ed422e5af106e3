// The Vimshottari dasha of a chart for quendal-chart: a table to read and the JSON array.
#pragma once

#include <QJsonArray>
#include <ostream>
#include <string>

#include "birth/chart_calculation.h"

namespace quendal::cli {

void WriteReadableDasha(std::ostream& out, const Chart& chart);

QJsonArray DashaJson(const Chart& chart);
// The same array appended to `out` as compact JSON text.
void AppendDashaJson(std::string& out, const Chart& chart);

}  // namespace quendal::cli
