// The Vimshottari dasha of a chart for quendal-chart: a table to read, the JSON array and
// the balance at birth.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <ostream>
#include <string>

#include "birth/chart_calculation.h"

namespace quendal::cli {

// levels: 1 the mahadashas, 2 with their antardashas, 3 with the pratyantardashas; levels
// 1 and 3 add the balance at birth and the ages, level 2 is the table it always was.
void WriteReadableDasha(std::ostream& out, const Chart& chart, int levels = 2);

// The core's JSON of the dasha and of "DashaBalance" (the first mahadasha's lord and what is
// left of it at birth), as values for the --json page.
QJsonArray DashaJson(const Chart& chart, int levels = 2);
QJsonObject DashaBalanceJson(const Chart& chart);

}  // namespace quendal::cli
