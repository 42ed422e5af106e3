// A chart as CSV cells in fixed columns after a batch record's own: the ten longitudes in
// degrees, the ten positions in table form, the Sun and Moon signs, the five retrograde
// flags, the Moon's nakshatra, pada and lord, and the record's error when it has no chart.
#pragma once

#include <string>
#include <string_view>

#include "birth/chart_calculation.h"

namespace quendal::cli {

// The column names, each after a comma.
void AppendChartCsvHeader(std::string& out);

// The cells of a chart, each after a comma, with an empty Error cell.
void AppendChartCsvCells(std::string& out, const Chart& chart);

// Empty chart cells and the error.
void AppendChartCsvError(std::string& out, std::string_view error);

}  // namespace quendal::cli
