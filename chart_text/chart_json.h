// The JSON of a chart: the one writer behind quendal-chart's --json page and its batch lines.
// Compact text with the keys in QJsonDocument's (sorted) order, written directly: a batch of a
// hundred thousand births spends most of its time here, and a JSON object per record would
// cost three times the chart itself.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart.h"

namespace quendal {

// The tables a JSON chart carries besides its own keys, each only when asked for.
struct JsonTables {
  bool vargas = false;  // "Vargas": the Shodashavarga, ten signs a division
  bool bodies = false;  // "Bodies": each body's nakshatra, pada, lord and sub-lord
};

struct ChartJsonExtras {
  bool dasha = false;      // "Dasha" (two levels) and "DashaBalance"
  std::string_view place;  // "Place": an object's compact text, when one was found
  JsonTables tables;
};

// The chart's object, without a line ending.
void AppendChartJson(std::string& out, const Chart& chart, const ChartJsonExtras& extras = {});

}  // namespace quendal
