#include "tests/golden_charts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <array>

#include "tests/test_data.h"

namespace quendal::test {
namespace {

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

template <std::size_t N>
void ReadTexts(const QJsonValue& value, std::array<std::string, N>& into) {
  const QJsonArray array = value.toArray();
  for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(array.size()); ++i) {
    into[i] = Text(array[static_cast<qsizetype>(i)]);
  }
}

std::vector<GoldenChart> Load() {
  std::vector<GoldenChart> charts;
  QFile file(QString::fromStdString(TestDataPath("golden_charts.jsonl")));
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
    return charts;
  }
  while (!file.atEnd()) {
    const QJsonObject record = QJsonDocument::fromJson(file.readLine()).object();
    if (record.isEmpty()) continue;
    GoldenChart golden;
    golden.id = record["id"].toInt();
    golden.kind = Text(record["kind"]);
    golden.input = record["input"].toObject();
    golden.expected = record["expected"].toObject();
    golden.birth = GoldenBirth(golden.input);
    golden.zone_row = golden.input["ZoneRow"].toInt();
    const QJsonObject& out = golden.expected;
    Chart& chart = golden.chart;
    ReadTexts(out["table"], chart.PositionsTable);
    ReadTexts(out["sign_cells"], chart.SignCells);
    ReadTexts(out["house_cells"], chart.HouseCells);
    chart.SunSign = Text(out["SunSign"]);
    chart.MoonSignName = Text(out["MoonSignName"]);
    const QJsonArray pictures = out["img_sign"].toArray();
    for (int h = 0; h < 12 && h < pictures.size(); ++h) chart.SignPictures[h] = pictures[h].toInt();
    charts.push_back(std::move(golden));
  }
  return charts;
}

}  // namespace

const std::vector<GoldenChart>& GoldenCharts() {
  static const std::vector<GoldenChart> charts = Load();
  return charts;
}

const GoldenChart& GoldenChartById(int id) {
  for (const GoldenChart& golden : GoldenCharts()) {
    if (golden.id == id) return golden;
  }
  ADD_FAILURE() << "no golden chart " << id;
  static const GoldenChart none;
  return none;
}

BirthData GoldenBirth(const QJsonObject& input) {
  BirthData birth;
  birth.PersonName = Text(input["PersonName"]);
  birth.BirthMonth = input["BirthMonth"].toInt();
  birth.BirthDay = input["BirthDay"].toInt();
  birth.BirthYear = input["BirthYear"].toInt();
  birth.BirthHour = input["BirthHour"].toInt();
  birth.BirthMinute = input["BirthMinute"].toInt();
  birth.LongitudeDegrees = input["LongitudeDegrees"].toInt();
  birth.LongitudeMinutes = input["LongitudeMinutes"].toInt();
  birth.LatitudeDegrees = input["LatitudeDegrees"].toInt();
  birth.LatitudeMinutes = input["LatitudeMinutes"].toInt();
  birth.LongitudeIsEast = input["LongitudeIsEast"].toBool();
  birth.LatitudeIsSouth = input["LatitudeIsSouth"].toBool();
  birth.DaylightSaving = input["DaylightSaving"].toBool();
  birth.BirthCity = Text(input["BirthCity"]);
  birth.BirthState = Text(input["BirthState"]);
  birth.BirthCountry = Text(input["BirthCountry"]);
  return birth;
}

}  // namespace quendal::test
