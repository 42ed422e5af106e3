#include "birth/chart_calculation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

#include "moon_retro/moon.h"
#include "positions/ascendant.h"
#include "positions/calendar.h"
#include "positions/planet_engine.h"
#include "positions/planet_positions.h"
#include "tests/test_data.h"

namespace quendal {
namespace {

struct GoldenChart {
  int id = 0;
  int zone_row = 0;
  BirthData birth;
  QJsonObject expected;
};

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

std::vector<GoldenChart> LoadGoldenCharts() {
  QFile file(QString::fromStdString(test::TestDataPath("golden_charts.jsonl")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::vector<GoldenChart> charts;
  while (!file.atEnd()) {
    const QJsonObject record = QJsonDocument::fromJson(file.readLine()).object();
    if (record.isEmpty()) continue;
    const QJsonObject in = record["input"].toObject();
    GoldenChart chart;
    chart.id = record["id"].toInt();
    chart.zone_row = in["ZoneRow"].toInt();
    BirthData& b = chart.birth;
    b.PersonName = Text(in["PersonName"]);
    b.BirthYear = in["BirthYear"].toInt();
    b.BirthMonth = in["BirthMonth"].toInt();
    b.BirthDay = in["BirthDay"].toInt();
    b.BirthHour = in["BirthHour"].toInt();
    b.BirthMinute = in["BirthMinute"].toInt();
    b.DaylightSaving = in["DaylightSaving"].toBool();
    b.LongitudeDegrees = in["LongitudeDegrees"].toInt();
    b.LongitudeMinutes = in["LongitudeMinutes"].toInt();
    b.LongitudeIsEast = in["LongitudeIsEast"].toBool();
    b.LatitudeDegrees = in["LatitudeDegrees"].toInt();
    b.LatitudeMinutes = in["LatitudeMinutes"].toInt();
    b.LatitudeIsSouth = in["LatitudeIsSouth"].toBool();
    b.BirthCity = Text(in["BirthCity"]);
    b.BirthState = Text(in["BirthState"]);
    b.BirthCountry = Text(in["BirthCountry"]);
    b = StoreZoneRow(b, chart.zone_row);
    chart.expected = record["expected"].toObject();
    charts.push_back(std::move(chart));
  }
  return charts;
}

const std::vector<GoldenChart>& GoldenCharts() {
  static const std::vector<GoldenChart> charts = LoadGoldenCharts();
  return charts;
}

template <std::size_t N>
void ExpectTexts(const std::array<std::string, N>& actual, const QJsonValue& expected,
                 const char* what) {
  const QJsonArray array = expected.toArray();
  ASSERT_EQ(array.size(), static_cast<qsizetype>(N)) << what;
  for (std::size_t i = 0; i < N; ++i) EXPECT_EQ(actual[i], Text(array[i])) << what << " " << i;
}

TEST(GoldenCharts, AllTwoHundredBirthsAreRead) { EXPECT_EQ(GoldenCharts().size(), 200u); }

// Intermediate values first: when a text disagrees, these say which stage went wrong.
TEST(GoldenCharts, TimeArgumentsAndLongitudesAgree) {
  for (const GoldenChart& g : GoldenCharts()) {
    SCOPED_TRACE("golden chart " + std::to_string(g.id));
    const QJsonObject& e = g.expected;
    const QJsonObject zone = e["zone"].toObject();
    EXPECT_EQ(g.birth.ZoneHours, zone["ZoneHours"].toInt());
    EXPECT_EQ(g.birth.ZoneMinutes, zone["ZoneMinutes"].toInt());
    EXPECT_EQ(g.birth.ZoneHoursText, Text(zone["ZoneHoursText"]));
    EXPECT_EQ(g.birth.ZoneMinutesText, Text(zone["ZoneMinutesText"]));

    EXPECT_NEAR(ApplyHemisphereRule(g.birth).U, e["ut_hemisphere"].toDouble(), 1e-12);
    EXPECT_EQ(JulianDayNumber(g.birth.BirthMonth, g.birth.BirthDay, g.birth.BirthYear),
              e["julian_day"].toDouble());
    const QJsonArray ut = e["ut_calendar"].toArray();
    const CivilDateTime expected_ut{ut[0].toInt(), ut[1].toInt(), ut[2].toInt(), ut[3].toInt(),
                                    ut[4].toInt()};
    EXPECT_EQ(ApplyCalendarRule(g.birth), expected_ut);

    const PlanetPositions planets = ComputePlanetPositions(g.birth);
    EXPECT_NEAR(planets.d, e["d"].toDouble(), 1e-9);
    const AscendantPosition ascendant = ComputeAscendantPosition(g.birth);
    EXPECT_NEAR(ascendant.theta, e["theta"].toDouble(), 1e-9);

    const double lon[10] = {planets.longitudes[kSun],
                            MoonLongitude(g.birth),
                            planets.longitudes[kMercury],
                            planets.longitudes[kVenus],
                            planets.longitudes[kMars],
                            planets.longitudes[kJupiter],
                            planets.longitudes[kSaturn],
                            planets.Rahu,
                            planets.Ketu,
                            ascendant.longitude};
    const QJsonArray expected_lon = e["lon"].toArray();
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(lon[i], expected_lon[i].toDouble(), 1e-9) << i;
  }
}

TEST(GoldenCharts, EveryTextCellAndPictureAgrees) {
  for (const GoldenChart& g : GoldenCharts()) {
    SCOPED_TRACE("golden chart " + std::to_string(g.id));
    const QJsonObject& e = g.expected;
    const Chart chart = CalculateChart(g.birth);
    const std::array<std::string, 10> long_texts = {
        chart.PlanetTexts[kSun],    chart.MoonText,           chart.PlanetTexts[kMercury],
        chart.PlanetTexts[kVenus],  chart.PlanetTexts[kMars], chart.PlanetTexts[kJupiter],
        chart.PlanetTexts[kSaturn], chart.RahuText,           chart.KetuText,
        chart.AscendantText};
    ExpectTexts(long_texts, e["long"], "long");
    ExpectTexts(chart.PositionsTable, e["table"], "table");
    EXPECT_EQ(chart.MoonSignName, Text(e["MoonSignName"]));
    EXPECT_EQ(chart.SunSign, Text(e["SunSign"]));
    ExpectTexts(chart.SignCells, e["sign_cells"], "sign cell");
    ExpectTexts(chart.HouseCells, e["house_cells"], "house cell");
    const QJsonArray pictures = e["img_sign"].toArray();
    for (int h = 0; h < 12; ++h) EXPECT_EQ(chart.SignPictures[h], pictures[h].toInt()) << h;
  }
}

}  // namespace
}  // namespace quendal
