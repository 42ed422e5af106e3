// quendal-chart --pdf: the chart window's PDF page, drawn by the page routine the window
// uses, with no window at all.
#pragma once

#include <QString>
#include <optional>

#include "chart/birth_data.h"
#include "birth/chart_calculation.h"
#include "drawing/chart_view.h"

namespace quendal::cli {

// "north", "south" or "natal"; nothing for any other name.
std::optional<ChartStyle> ParseChartStyle(const QString& name);

// Writes the page of the birth chart (divided when division is not 1) into path, whole or
// not at all, with the zone line of zone_row; false with the reason.
bool WriteChartPdfFile(const QString& path, const BirthData& birth, int zone_row,
                       const Chart& chart, int division, ChartStyle style, QString& reason);

}  // namespace quendal::cli
