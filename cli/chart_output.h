// The ways quendal-chart writes a chart: one JSON object with the chart's own names, or a
// page for a person to read; and the zone list.
#pragma once

#include <QJsonObject>
#include <ostream>
#include <string>

#include "birth/chart_calculation.h"
#include "cli/birth_input.h"
#include "cli/convention_output.h"

namespace quendal::cli {

// The chart and the tables asked for; the dasha and the place are added by the caller.
QJsonObject ChartJson(const Chart& chart, const JsonTables& tables = {});

struct ChartJsonExtras {
  bool dasha = false;                  // "Dasha" and "DashaBalance"
  const QJsonObject* place = nullptr;  // "Place", when one was found
  JsonTables tables;
};

// The same object as one compact line appended to `out`, written directly: a batch of a
// hundred thousand births spends most of its time here, and a QJsonObject per record would
// cost three times the chart itself.
void AppendChartJsonLine(std::string& out, const Chart& chart, const ChartJsonExtras& extras = {});

// Birth lines, the ten positions in long and table form, Sun and Moon sign, the houses.
void WriteReadableChart(std::ostream& out, const BirthRequest& request, const Chart& chart);

// The 71 zone rows with their numbers, as --zone takes them.
void WriteZoneList(std::ostream& out);

}  // namespace quendal::cli
