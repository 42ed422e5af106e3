// The 200 golden births of tests/data/golden_charts.jsonl, read once: each birth, its zone row
// and the chart texts the file gives, so that tests can check against values Quendal never made.
#pragma once

#include <QJsonObject>
#include <string>
#include <vector>

#include "chart/birth_data.h"
#include "birth/chart_calculation.h"

namespace quendal::test {

struct GoldenChart {
  int id = 0;
  std::string kind;
  BirthData birth;  // the zone fields keep their defaults: see zone_row
  int zone_row = 0;
  // PositionsTable, SignCells, HouseCells, SunSign, MoonSignName and SignPictures only.
  Chart chart;
  QJsonObject input;
  QJsonObject expected;
};

// In file order; empty (with a test failure) when the file cannot be read.
const std::vector<GoldenChart>& GoldenCharts();
const GoldenChart& GoldenChartById(int id);

// The BirthData fields of an "input" object.
BirthData GoldenBirth(const QJsonObject& input);

}  // namespace quendal::test
