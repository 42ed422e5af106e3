// What quendal-chart writes about a chart's conventions and its tables of every body: the
// "Options" object, the Shodashavarga ("Vargas") and the nakshatras ("Bodies"), as JSON and
// as tables to read.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <ostream>
#include <string>

#include "birth/chart_calculation.h"

namespace quendal::cli {

// The tables a JSON chart carries besides its own keys, each only when asked for.
struct JsonTables {
  bool vargas = false;
  bool bodies = false;
};

// {"Ayanamsha", "Node", "Positions", "Zodiac"} in quendal-chart's words.
QJsonObject OptionsJson(const ChartOptions& options);
QJsonObject VargasJson(const Chart& chart);  // "D1": [ten abbreviations], ...
QJsonArray BodiesJson(const Chart& chart);
void AddTables(QJsonObject& json, const Chart& chart, const JsonTables& tables);

// The same as compact JSON text, keys in QJsonDocument's order, each followed by a comma.
void AppendOptionsJson(std::string& out, const ChartOptions& options);
void AppendVargasJson(std::string& out, const Chart& chart);
void AppendBodiesJson(std::string& out, const Chart& chart);

// "365.25", "365.256363", "360": the shortest text that reads back as the same number.
std::string NumberText(double value);

void WriteReadableVargas(std::ostream& out, const Chart& chart);
void WriteReadableBodies(std::ostream& out, const Chart& chart);

}  // namespace quendal::cli
