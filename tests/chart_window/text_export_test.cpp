#include "chart_window/text_export.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

#include "tests/golden_charts.h"

namespace quendal {
namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

// Lines of the export, each without its CR LF.
std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "text after the last line end";
  return lines;
}

TEST(TextExportTest, MatchesTheGoldenLinesOfEveryChart) {
  int count = 0;
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    const BirthData& birth = golden.birth;
    const QJsonObject& expected = golden.expected;
    Chart chart;
    chart.PositionsTable = golden.chart.PositionsTable;
    chart.SunSign = expected["SunSign"].toString().toStdString();
    chart.MoonSignName = expected["MoonSignName"].toString().toStdString();

    const auto lines = SplitCrLf(ExportChartText(birth, chart, kMonths[birth.BirthMonth - 1]));
    ASSERT_EQ(lines.size(), 23u);
    const QJsonArray head = expected["export_head"].toArray();
    for (int n = 0; n < 17; ++n) EXPECT_EQ(lines[n], head[n].toString().toStdString()) << n;
    EXPECT_EQ(lines[17], "Rahu " + chart.PositionsTable[7]);
    EXPECT_EQ(lines[18], "Ketu " + chart.PositionsTable[8]);
    EXPECT_EQ(lines[19], "Asc " + chart.PositionsTable[9]);
    const QJsonArray tail = expected["export_tail"].toArray();
    for (int n = 0; n < 3; ++n) EXPECT_EQ(lines[20 + n], tail[n].toString().toStdString()) << n;
    ++count;
  }
  EXPECT_EQ(count, 200);
}

TEST(TextExportTest, LoneCarriageReturnLinesAndTrailingBlanks) {
  BirthData birth;
  birth.BirthHour = 0;
  birth.BirthMinute = 0;
  const std::string bytes = ExportChartText(birth, Chart{}, "January");
  EXPECT_NE(bytes.find("Latitude: 0 Degree 0 Minute \r\nLongitude: 0 Degree 0 Minute \r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("City: \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Country: \r\n\r\r\nPlanetary Position\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Asc \r\n\r\r\nLagna: \r\nRashi: \r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("Rashi: \r\n"));
}

// Away from the defaults one line, after the second blank line, names what made the chart.
TEST(TextExportTest, OptionsLineOnlyAwayFromTheDefaults) {
  struct Case {
    ChartOptions options;
    const char* line;  // nullptr: no line added
  };
  const Case cases[] = {
      {{}, nullptr},
      {{Zodiac::SiderealLahiri, PositionsSource::Classic},
       "Zodiac: Sidereal (Lahiri), Ayanamsha 23\u00b0 38' 27\""},
      {{Zodiac::Tropical, PositionsSource::Precise}, "Positions: Precise (Swiss Ephemeris)"},
      {{Zodiac::SiderealLahiri, PositionsSource::Precise},
       "Zodiac: Sidereal (Lahiri), Ayanamsha 23\u00b0 38' 27\"; Positions: Precise (Swiss "
       "Ephemeris)"},
  };
  for (const Case& c : cases) {
    Chart chart;
    chart.Options = c.options;
    chart.Ayanamsha = 23.6408411;
    chart.SunSign = "Leo";
    const auto lines = SplitCrLf(ExportChartText(BirthData{}, chart, "January"));
    ASSERT_EQ(lines.size(), c.line ? 24u : 23u);
    EXPECT_EQ(lines[20], "\r");
    if (c.line) {
      EXPECT_EQ(lines[21], c.line);
    }
    EXPECT_EQ(lines[lines.size() - 2], "Lagna: Leo");
  }
}

}  // namespace
}  // namespace quendal
