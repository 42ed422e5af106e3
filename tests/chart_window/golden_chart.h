// Test helper: births and their charts as the golden file gives them, built without the core.
// Header only: every widget test is one source file.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <string>
#include <vector>

#include "birth/birth_data.h"
#include "birth/chart_calculation.h"
#include "tests/test_data.h"

namespace quendal::test {

struct GoldenChart {
  BirthData birth;
  Chart chart;
  QJsonObject expected;
};

inline std::string GoldenText(const QJsonValue& value) { return value.toString().toStdString(); }

template <size_t N>
inline void ReadGoldenTexts(const QJsonValue& value, std::array<std::string, N>& into) {
  const QJsonArray array = value.toArray();
  for (size_t i = 0; i < N && i < static_cast<size_t>(array.size()); ++i) {
    into[i] = GoldenText(array[static_cast<int>(i)]);
  }
}

inline std::vector<GoldenChart> LoadGoldenCharts() {
  std::vector<GoldenChart> charts;
  QFile file(QString::fromStdString(TestDataPath("golden_charts.jsonl")));
  if (!file.open(QIODevice::ReadOnly)) return charts;
  while (!file.atEnd()) {
    const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
    if (line.isEmpty()) continue;
    const QJsonObject in = line["input"].toObject();
    const QJsonObject out = line["expected"].toObject();
    GoldenChart golden;
    BirthData& b = golden.birth;
    b.PersonName = GoldenText(in["PersonName"]);
    b.BirthYear = in["BirthYear"].toInt();
    b.BirthMonth = in["BirthMonth"].toInt();
    b.BirthDay = in["BirthDay"].toInt();
    b.BirthHour = in["BirthHour"].toInt();
    b.BirthMinute = in["BirthMinute"].toInt();
    b.LongitudeDegrees = in["LongitudeDegrees"].toInt();
    b.LongitudeMinutes = in["LongitudeMinutes"].toInt();
    b.LatitudeDegrees = in["LatitudeDegrees"].toInt();
    b.LatitudeMinutes = in["LatitudeMinutes"].toInt();
    b.LongitudeIsEast = in["LongitudeIsEast"].toBool();
    b.LatitudeIsSouth = in["LatitudeIsSouth"].toBool();
    b.DaylightSaving = in["DaylightSaving"].toBool();
    b.BirthCity = GoldenText(in["BirthCity"]);
    b.BirthState = GoldenText(in["BirthState"]);
    b.BirthCountry = GoldenText(in["BirthCountry"]);

    Chart& c = golden.chart;
    ReadGoldenTexts(out["table"], c.PositionsTable);
    ReadGoldenTexts(out["sign_cells"], c.SignCells);
    ReadGoldenTexts(out["house_cells"], c.HouseCells);
    c.SunSign = GoldenText(out["SunSign"]);
    c.MoonSignName = GoldenText(out["MoonSignName"]);
    const QJsonArray pictures = out["img_sign"].toArray();
    for (int h = 0; h < 12 && h < pictures.size(); ++h) c.SignPictures[h] = pictures[h].toInt();
    golden.expected = out;
    charts.push_back(std::move(golden));
  }
  return charts;
}

}  // namespace quendal::test
