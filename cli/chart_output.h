// The ways quendal-chart writes a chart: one JSON object with the chart's own names, or a
// page for a person to read; and the zone list.
#pragma once

#include <QJsonObject>
#include <ostream>
#include <string>

#include "birth/chart_calculation.h"
#include "chart_text/chart_json.h"
#include "cli/birth_input.h"

namespace quendal::cli {

// The chart and the tables asked for, read back from the batch line's writer so that the
// page and the line are one text; the dasha and the place are added by the caller.
QJsonObject ChartJson(const Chart& chart, const JsonTables& tables = {});

// Birth lines, the ten positions in long and table form, Sun and Moon sign, the houses.
void WriteReadableChart(std::ostream& out, const BirthRequest& request, const Chart& chart);

// The 71 zone rows with their numbers, as --zone takes them.
void WriteZoneList(std::ostream& out);

}  // namespace quendal::cli
