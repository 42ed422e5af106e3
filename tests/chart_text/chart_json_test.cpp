// The one JSON writer of a chart and its dasha against Qt's reader and writer: each text must
// read back and write out to the same bytes, or the batch lines and the --json page differ.
#include "chart_text/chart_json.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "chart_text/dasha_json.h"
#include "chart_text/json_text.h"
#include "tests/golden_charts.h"
#include "vedic/dasha_levels.h"

namespace quendal {
namespace {

std::string Rewritten(const std::string& compact) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString(compact), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << compact;
  return document.toJson(QJsonDocument::Compact).toStdString();
}

TEST(ChartJson, EveryGoldenChartWithEveryExtraIsWhatQtWrites) {
  const ChartOptions sidereal = {Zodiac::SiderealLahiri};
  int count = 0;
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    const Chart chart = CalculateChart(StoreZoneRow(golden.birth, golden.zone_row),
                                       count % 2 ? sidereal : ChartOptions{});
    std::string line;
    AppendChartJson(line, chart, {true, R"({"Name":"Pune"})", {true, true}});
    ASSERT_EQ(Rewritten(line), line) << golden.id;
    ++count;
  }
  EXPECT_EQ(count, 200);
}

TEST(ChartJson, DashaOfEachLevelAndEscapedTexts) {
  const test::GoldenChart& golden = test::GoldenCharts().at(0);
  const Chart chart = CalculateChart(StoreZoneRow(golden.birth, golden.zone_row));
  const Dasha dasha = DashaOfChart(chart);
  const struct {
    int levels;
    const char* nested;  // the key a level adds, nullptr for none
  } levels[] = {{1, nullptr}, {2, "Antardashas"}, {3, "Pratyantardashas"}};
  for (const auto& level : levels) {
    std::string text;
    AppendDashaJson(text, dasha, level.levels);
    ASSERT_EQ(Rewritten(text), text) << level.levels;
    const QJsonObject first =
        QJsonDocument::fromJson(QByteArray::fromStdString(text))[0].toObject();
    const QJsonObject sub = first["Antardashas"][0].toObject();
    EXPECT_EQ(first.contains("Antardashas"), level.levels >= 2);
    EXPECT_EQ(sub.contains("Pratyantardashas"), level.levels == 3);
  }
  std::string balance;
  AppendDashaBalanceJson(balance, dasha);
  EXPECT_EQ(Rewritten(balance), balance);

  for (const char* raw : {"plain", "quote \" and \\ back", "\r\n\t\x01\x1f end", "Zürich 24°"}) {
    std::string text = "[";
    AppendJsonString(text, raw);
    text += ']';
    EXPECT_EQ(Rewritten(text), text) << raw;
  }
}

}  // namespace
}  // namespace quendal
