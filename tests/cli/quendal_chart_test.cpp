// Drives the real quendal-chart binary.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "tests/golden_charts.h"
#include "tests/test_data.h"

namespace quendal {
namespace {

struct ProcessResult {
  int exit_code = -1;
  QString out;
  QString err;
};

ProcessResult Chart(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QString::fromStdString(test::BinaryPath("cli/quendal-chart")), arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

QStringList Lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

const QStringList kGreenwich = {"--date", "2000-01-01", "--time", "12:00", "--zone",
                                "29",     "--lat",      "51:30N", "--lon", "0:00W"};

QString WithoutRetrogradeMarks(QString text) { return text.remove(" (R) "); }

// Every golden birth through --batch on standard input: one line per birth, in order, each
// agreeing with the independent values.
TEST(QuendalChart, BatchOfTheGoldenBirthsAgreesWithTheirValues) {
  QList<QJsonObject> expected;
  // Columns deliberately out of the usual order, flags in both spellings.
  QByteArray csv =
      "ZoneRow,BirthDay,BirthMonth,BirthYear,BirthHour,BirthMinute,DaylightSaving,"
      "LongitudeIsEast,LongitudeDegrees,LongitudeMinutes,LatitudeIsSouth,LatitudeDegrees,"
      "LatitudeMinutes,PersonName\r\n";
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    const QJsonObject& in = golden.input;
    const auto number = [&](const char* key) { return QByteArray::number(in[key].toInt()); };
    const auto flag = [&](const char* key, bool digits) -> QByteArray {
      return in[key].toBool() ? (digits ? "1" : "true") : (digits ? "0" : "false");
    };
    csv += number("ZoneRow") + "," + number("BirthDay") + "," + number("BirthMonth") + "," +
           number("BirthYear") + "," + number("BirthHour") + "," + number("BirthMinute") + "," +
           flag("DaylightSaving", false) + "," + flag("LongitudeIsEast", true) + "," +
           number("LongitudeDegrees") + "," + number("LongitudeMinutes") + "," +
           flag("LatitudeIsSouth", false) + "," + number("LatitudeDegrees") + "," +
           number("LatitudeMinutes") + ",\"" + in["PersonName"].toString().toUtf8() + "\"\r\n";
    expected.append(golden.expected);
  }
  ASSERT_EQ(expected.size(), 200);

  const ProcessResult run = Chart({"--batch", "-"}, csv);
  EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
  EXPECT_EQ(run.err.trimmed(), "quendal-chart: 200 records, 0 failed");
  const QStringList lines = Lines(run.out);
  ASSERT_EQ(lines.size(), expected.size());
  for (int i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("golden chart " + std::to_string(i));
    const QJsonObject chart = QJsonDocument::fromJson(lines[i].toUtf8()).object();
    const QJsonObject& e = expected[i];
    EXPECT_EQ(chart["PositionsTable"], e["table"]);
    EXPECT_EQ(chart["SunSign"], e["SunSign"]);
    EXPECT_EQ(chart["MoonSignName"], e["MoonSignName"]);
    EXPECT_EQ(chart["SignPictures"], e["img_sign"]);
    EXPECT_EQ(chart["MoonText"], e["long"].toArray()[1]);
    EXPECT_EQ(chart["AscendantText"], e["long"].toArray()[9]);
    for (int h = 0; h < 12; ++h) {
      EXPECT_EQ(WithoutRetrogradeMarks(chart["HouseCells"].toArray()[h].toString()),
                e["house_cells"].toArray()[h].toString());
      EXPECT_EQ(WithoutRetrogradeMarks(chart["SignCells"].toArray()[h].toString()),
                e["sign_cells"].toArray()[h].toString());
    }
  }
}

TEST(QuendalChart, JsonOfOneBirthHasEveryKey) {
  const ProcessResult single = Chart(kGreenwich + QStringList{"--json"});
  ASSERT_EQ(single.exit_code, 0) << single.err.toStdString();
  const QJsonObject chart = QJsonDocument::fromJson(single.out.toUtf8()).object();
  const std::pair<const char*, int> arrays[] = {
      {"PositionsTable", 10}, {"PlanetTexts", 6}, {"ChartBodyNames", 9}, {"RetrogradeFlags", 5},
      {"SignCells", 12},      {"HouseCells", 12}, {"SignPictures", 12}};
  for (auto [key, size] : arrays) EXPECT_EQ(chart[key].toArray().size(), size) << key;
  for (const char* key :
       {"RahuText", "KetuText", "AscendantText", "MoonText", "MoonSignName", "SunSign"})
    EXPECT_TRUE(chart[key].isString()) << key;
  EXPECT_EQ(chart["AscendantText"].toString(), QString::fromUtf8("24\u00b0 17' 52\" Ari"));
  EXPECT_EQ(chart["MoonText"].toString(), QString::fromUtf8("13\u00b0 18' 57\" Sco"));
  EXPECT_EQ(chart["SunSign"].toString(), "Capricorn");
  EXPECT_EQ(chart["RetrogradeFlags"].toArray()[0].isBool(), true);
}

// The Moon of 2000-01-01 12:00 UT, 13° 18' 57" Sco tropical, is 199.46° sidereal less the
// J2000 ayanamsha of 23° 51' 25": the last pada of Swati, ruled by Rahu.
TEST(QuendalChart, ZodiacPositionsAndDasha) {
  const ProcessResult json =
      Chart(kGreenwich + QStringList{"--zodiac", "Sidereal", "--json", "--dasha"});
  ASSERT_EQ(json.exit_code, 0) << json.err.toStdString();
  const QJsonObject chart = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(chart["Nakshatra"].toString(), "Swati");
  EXPECT_EQ(chart["Pada"].toInt(), 4);
  EXPECT_EQ(chart["NakshatraLord"].toString(), "Rahu");
  EXPECT_NEAR(chart["Ayanamsha"].toDouble(), 23.857092, 1e-6);
  EXPECT_EQ(chart["Longitudes"].toArray().size(), 10);
  const QJsonArray dasha = chart["Dasha"].toArray();
  ASSERT_EQ(dasha.size(), 9);
  EXPECT_EQ(dasha[0]["Lord"].toString(), "Rahu");
  EXPECT_EQ(dasha[0]["Start"].toString(), "2000-01-01");
  EXPECT_EQ(dasha[1]["Start"], dasha[0]["End"]);
  EXPECT_EQ(dasha[8]["Antardashas"].toArray().size(), 9);

  const ProcessResult exported =
      Chart(kGreenwich + QStringList{"--zodiac", "sidereal", "--export"});
  EXPECT_EQ(exported.out.split("\r\n").value(21),
            QString::fromUtf8("Zodiac: Sidereal (Lahiri), Ayanamsha 23\u00b0 51' 25\""));
  const ProcessResult table = Chart(kGreenwich + QStringList{"--dasha"});
  EXPECT_TRUE(table.out.contains("a year is 365.25 days")) << table.out.toStdString();
  EXPECT_EQ(table.out.count(QRegularExpression("\\d{4}-\\d{2}-\\d{2}  \\d{4}")), 90);

  // With --json, each option of the day and the sky adds its key.
  const ProcessResult sky =
      Chart(kGreenwich + QStringList{"--json", "--dasha", "--dasha-levels", "3", "--panchang",
                                     "--transits", "2026-12-08T12:00"});
  ASSERT_EQ(sky.exit_code, 0) << sky.err.toStdString();
  const QJsonObject deep = QJsonDocument::fromJson(sky.out.toUtf8()).object();
  EXPECT_EQ(deep["Dasha"][0]["Antardashas"][0]["Pratyantardashas"].toArray().size(), 9);
  EXPECT_EQ(deep["DashaBalance"]["Lord"].toString(), "Rahu");
  EXPECT_EQ(deep["Panchang"].toObject().size(), 14);
  EXPECT_EQ(deep["Transits"]["Bodies"].toArray().size(), 10);
  EXPECT_EQ(deep["Transits"]["Moment"].toString(), "2026-12-08T12:00");

  struct Refused {
    QStringList options;
    const char* message;
  };
  const Refused refused[] = {
      {{"--zodiac", "vedic"}, "--zodiac 'vedic' is not tropical or sidereal"},
      {{"--positions", "exact"}, "--positions 'exact' is not classic or precise"},
      {{"--dasha", "--export"}, "--dasha and --export cannot be combined"},
      {{"--dasha", "--dasha-levels", "4"}, "--dasha-levels '4' is not 1, 2 or 3"},
      {{"--transits", "2026-02-30"}, "--transits '2026-02-30' is not a date"},
      {{"--sade-sati", "--export"}, "--sade-sati and --export cannot be combined"},
  };
  for (const Refused& r : refused) {
    const ProcessResult run = Chart(kGreenwich + r.options);
    EXPECT_EQ(run.exit_code, 2) << r.message;
    EXPECT_TRUE(run.err.contains(r.message)) << run.err.toStdString();
  }
}

TEST(QuendalChart, ReadablePageShowsBirthPositionsSignsAndHouses) {
  const ProcessResult run =
      Chart(kGreenwich + QStringList{"--name", " Ada Byron ", "--city", "London"});
  ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
  for (const char* expected :
       {"Name: Ada Byron\n", "City: London\n", "Date of Birth: January 1, 2000\n",
        "Latitude: 51 Degree 30 Minute North\n", "Ascendant  24 Ari 17", "Moon       13 Sco 18",
        "Sun Sign: Capricorn\n", "Moon Sign: Scorpio\n", "   1  Aries"})
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(expected))) << expected;
  EXPECT_EQ(run.out.count("\n  "), 10 + 12);
}

TEST(QuendalChart, BadOptionsNameTheFieldAndValueAndExitWithTwo) {
  struct Case {
    const char* option;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"--date", "2023-02-29", "BirthDay (--date) '29' does not exist in month 2 of 2023"},
      {"--date", "2001-04-31", "BirthDay (--date) '31'"},
      {"--date", "1900-12-31", "BirthYear (--date) '1900' is outside 1901 to 2050"},
      {"--date", "2000-13-01", "BirthMonth (--date) '13'"},
      {"--date", "2000/01/01", "--date '2000/01/01' is not a date"},
      {"--time", "24:00", "BirthHour (--time) '24' is outside 0 to 23"},
      {"--time", "12:60", "BirthMinute (--time) '60'"},
      {"--time", "noon", "--time 'noon'"},
      {"--zone", "71", "ZoneRow (--zone) '71' is outside 0 to 70"},
      {"--zone", "-1", "ZoneRow (--zone) '-1'"},
      {"--zone", "IST", "--zone 'IST'"},
      {"--lat", "91:00N", "LatitudeDegrees (--lat) '91'"},
      {"--lat", "90:01N", "LatitudeDegrees (--lat) '90' with 1 minutes lies beyond 90"},
      {"--lat", "45:60S", "LatitudeMinutes (--lat) '60'"},
      {"--lat", "45:30X", "--lat '45:30X' is not of the form"},
      {"--lat", "-45:30N", "--lat '-45:30N'"},
      {"--lon", "180:30E", "LongitudeDegrees (--lon) '180'"},
      {"--lon", "77.5E", "--lon '77.5E'"},
  };
  for (const Case& c : cases) {
    QStringList arguments = kGreenwich;
    arguments[arguments.indexOf(c.option) + 1] = c.value;
    const ProcessResult run = Chart(arguments);
    EXPECT_EQ(run.exit_code, 2) << c.value;
    EXPECT_TRUE(run.out.isEmpty()) << c.value;
    EXPECT_EQ(Lines(run.err).size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
  }
  QStringList without_lon = kGreenwich.mid(0, 8);
  ProcessResult run = Chart(without_lon);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.err.contains("--lon is missing"));
  run = Chart(kGreenwich + QStringList{"--colour"});
  EXPECT_EQ(run.exit_code, 2);
  run = Chart(kGreenwich + QStringList{"stray"});
  EXPECT_EQ(run.exit_code, 2);
}

TEST(QuendalChart, BatchReportsBadLinesGoesOnAndSummarises) {
  const QByteArray csv =
      "BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,DaylightSaving,"
      "LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,LongitudeDegrees,LongitudeMinutes,"
      "LongitudeIsEast,PersonName,BirthCity\n"
      "2000,1,1,12,0,29,false,51,30,false,0,0,false,\"Byron, Ada\",London\n"         // line 2
      "\n"                                                                           // line 3
      "1850,1,1,12,0,29,false,51,30,false,0,0,false,Old,London\n"                    // line 4
      "2001,2,29,12,0,29,false,51,30,false,0,0,false,Leap,London\n"                  // line 5
      "2000,1,1,12,0,29,maybe,51,30,false,0,0,false,Flag,London\n"                   // line 6
      "2000,1,1,12,0,29,false,51,30,false,0,0\n"                                     // line 7
      "2000,1,1,12,0,29,false,51,30,false,0,0,false,\"Two\r\nLines \"\"Q\"\"\",X\n"  // 8-9
      "2000,1,1,x1,0,29,false,51,30,false,0,0,false,Hour,London\n"                   // line 10
      "1984,7,9,5,40,34,0,18,31,0,73,52,1,Asha,Pune\n";                              // line 11
  const ProcessResult run = Chart({"--batch", "-"}, csv);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(Lines(run.out).size(), 3);
  const QStringList errors = Lines(run.err);
  ASSERT_EQ(errors.size(), 6) << run.err.toStdString();
  EXPECT_TRUE(errors[0].startsWith("quendal-chart: line 4: BirthYear '1850'"));
  EXPECT_TRUE(errors[1].startsWith("quendal-chart: line 5: BirthDay '29'"));
  EXPECT_TRUE(errors[2].startsWith("quendal-chart: line 6: DaylightSaving 'maybe'"));
  EXPECT_TRUE(errors[3].startsWith("quendal-chart: line 7: record '12 fields'"));
  EXPECT_TRUE(errors[4].startsWith("quendal-chart: line 10: BirthHour 'x1'"));
  EXPECT_EQ(errors[5], "quendal-chart: 8 records, 5 failed");
  // The good lines keep their input order.
  const QStringList lines = Lines(run.out);
  EXPECT_EQ(QJsonDocument::fromJson(lines[2].toUtf8()).object()["SunSign"].toString(), "Cancer");
}

// Each input after a little more than `zero_bytes` bytes of a line that never ends, read with
// a data limit far below that: the reader has to stay within its record limit.
ProcessResult ChartWithEndlessLine(const QByteArray& input, int zero_bytes) {
  QProcess process;
  process.start(
      "/bin/sh",
      {"-c", "ulimit -d 16384 && { cat; head -c \"$1\" /dev/zero; } | exec \"$0\" --batch -",
       QString::fromStdString(test::BinaryPath("cli/quendal-chart")), QString::number(zero_bytes)});
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

TEST(QuendalChart, OverlongRecordsAndByteOrderMarksDoNotStopABatch) {
  const QByteArray header =
      "BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,DaylightSaving,"
      "LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,LongitudeDegrees,LongitudeMinutes,"
      "LongitudeIsEast,PersonName\n";
  const QByteArray good = "2000,1,1,12,0,29,0,51,30,0,0,0,0,Ada\n";
  const QByteArray long_quoted = "2000,1,1,12,0,29,0,51,30,0,0,0,0,\"" + QByteArray(30000, 'a') +
                                 "\n" + QByteArray(30000, 'b') + "\r\n" + QByteArray(30000, 'c') +
                                 "\"\n";
  const struct {
    const char* name;
    QByteArray input;
    int zero_bytes;
    int charts;
    QStringList errors;
  } cases[] = {
      {"a byte-order mark",
       "\xEF\xBB\xBF" + header + good,
       0,
       1,
       {"quendal-chart: 1 records, 0 failed"}},
      {"a quoted record over the limit",
       header + good + long_quoted + good + "1850,1,1,12,0,29,0,51,30,0,0,0,0,Old\n" + good,
       0,
       3,
       {"quendal-chart: line 3: record longer than 65,536 bytes",
        "quendal-chart: line 7: BirthYear '1850' is outside 1901 to 2050",
        "quendal-chart: 5 records, 2 failed"}},
      {"a line that never ends",
       header + good,
       40 << 20,
       1,
       {"quendal-chart: line 3: record longer than 65,536 bytes",
        "quendal-chart: 2 records, 1 failed"}},
      {"a quote that never closes",
       header + good + "2000,\"1\n" + good,
       0,
       1,
       {"quendal-chart: line 3: a quoted field is never closed",
        "quendal-chart: 2 records, 1 failed"}},
      {"terminal codes in a value",
       header + "2000,1,1,12,0,29,\x1b[2J" + QByteArray(100, 'z') + ",51,30,0,0,0,0,Ada\n",
       0,
       0,
       {"quendal-chart: line 2: DaylightSaving '\\x1b[2J" + QString(76, 'z') +
            "...' is not true, false, 1 or 0",
        "quendal-chart: 1 records, 1 failed"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcessResult run = ChartWithEndlessLine(c.input, c.zero_bytes);
    EXPECT_EQ(run.exit_code, c.errors.size() > 1 ? 2 : 0);
    EXPECT_EQ(Lines(run.out).size(), c.charts);
    EXPECT_EQ(run.err.trimmed().toStdString(), c.errors.join("\n").toStdString());
  }
}

TEST(QuendalChart, BatchRefusesABadHeaderBeforeAnyRecord) {
  const char* const good = "2000,1,1,12,0,29,0,51,30,0,0,0,0\n";
  ProcessResult run = Chart(
      {"--batch", "-"}, QByteArray("BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,"
                                   "DaylightSaving,LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,"
                                   "LongitudeDegrees,LongitudeMinutes,Shoe\n") +
                            good);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("'Shoe' is not a known column")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("'LongitudeIsEast' is a required column that is missing"));

  run = Chart({"--batch", "-"}, "");
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.err.contains("no header row"));
  run = Chart({"--batch", "/"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.err.contains("'/' is a folder")) << run.err.toStdString();
  run = Chart({"--batch", "/nonexistent/births.csv"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.err.contains("'/nonexistent/births.csv' cannot be opened"));
}

TEST(QuendalChart, ZonesAndHelp) {
  ProcessResult run = Chart({"--zones"});
  EXPECT_EQ(run.exit_code, 0);
  const QStringList zones = Lines(run.out);
  ASSERT_EQ(zones.size(), 71);
  EXPECT_EQ(zones[34], "34  Indian Time, IST, +5.3");
  EXPECT_EQ(zones[0], " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0");

  run = Chart({"--help"});
  EXPECT_EQ(run.exit_code, 0);
  for (const char* option :
       {"--date", "--time", "--zone", "--dst", "--lat", "--lon", "--name", "--city", "--state",
        "--country", "--json", "--zones", "--batch", "Examples:"})
    EXPECT_TRUE(run.out.contains(option)) << option;
}

// The birth place from the atlas: the same chart as the coordinates and zone given by hand,
// the explicit options winning, and one-line errors for what the atlas cannot answer.
TEST(QuendalChart, PlaceFromTheAtlas) {
  const QStringList pune = {"--date", "1987-08-15", "--time", "14:35", "--json"};
  ProcessResult run = Chart(pune + QStringList{"--place", "pune, maharashtra"});
  ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
  QJsonObject chart = QJsonDocument::fromJson(run.out.toUtf8()).object();
  const QJsonObject place = chart.take("Place").toObject();
  EXPECT_EQ(place, QJsonDocument::fromJson(R"json({"City": "Pune", "State": "Maharashtra",
      "Country": "India", "Latitude": 18.51957, "Longitude": 73.85535,
      "TimeZoneId": "Asia/Kolkata", "UtcOffsetSeconds": 19800, "ZoneRow": 34,
      "DaylightSaving": false,
      "ZoneNote": "Pune, 15 August 1987 14:35: UTC+05:30 (Asia/Kolkata)"})json")
                       .object());
  run = Chart(pune + QStringList{"--zone", "34", "--lat", "18:31N", "--lon", "73:51E"});
  EXPECT_EQ(chart, QJsonDocument::fromJson(run.out.toUtf8()).object());

  // Given options win: no error for an offset without a row once --zone is there.
  run = Chart({"--date", "1990-01-01", "--time", "12:00", "--place", "kathmandu", "--zone", "34",
               "--lat", "27:00N", "--json"});
  EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
  chart = QJsonDocument::fromJson(run.out.toUtf8()).object();
  EXPECT_TRUE(chart["Place"].toObject()["ZoneRow"].isNull());
  EXPECT_EQ(chart["Place"].toObject()["UtcOffsetSeconds"].toInt(), 20700);

  const struct {
    QStringList arguments;
    const char* error;
  } errors[] = {
      {{"--date", "2021-03-14", "--time", "02:30", "--place", "chicago"},
       "--place 'chicago' is Chicago, Illinois, United States of America (America/Chicago), "
       "where the clock time 2021-03-14 02:30 did not exist"},
      {{"--date", "1990-01-01", "--time", "12:00", "--place", "kathmandu"},
       "which kept UTC+05:45 at 1990-01-01 12:00, an offset no zone row has; give the row with "
       "--zone"},
      {{"--date", "1990-01-01", "--time", "12:00", "--place", "qqq"},
       "--place 'qqq' matches no place of the atlas"},
      {{"--places", "qqq"}, "--places 'qqq' matches no place"},
  };
  for (const auto& e : errors) {
    run = Chart(e.arguments);
    EXPECT_EQ(run.exit_code, 2) << e.error;
    EXPECT_EQ(Lines(run.err).size(), 1);
    EXPECT_TRUE(run.err.contains(e.error)) << run.err.toStdString();
  }

  run = Chart({"--places", "springfield"});
  const QStringList places = Lines(run.out);
  ASSERT_EQ(places.size(), 9);  // eight Springfields, then Springfield Gardens
  EXPECT_EQ(places[0],
            "Springfield\tMissouri\tUnited States of America\t37.21533\t-93.29824\t"
            "America/Chicago\t166810");
}

TEST(QuendalChart, BatchWithAPlaceColumn) {
  const ProcessResult run =
      Chart({"--batch", "-"},
            "BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,Place,ZoneRow\n"
            "1987,8,15,14,35,\"pune, maharashtra\",34\n"
            "1975,7,4,12,0,new york,24\n");
  EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
  const ProcessResult placed = Chart({"--batch", "-"},
                                     "BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,Place\n"
                                     "1987,8,15,14,35,\"pune, maharashtra\"\n"
                                     "1975,7,4,12,0,new york\n"
                                     "2021,3,14,2,30,chicago\n"
                                     "1990,1,1,0,0,kathmandu\n");
  EXPECT_EQ(placed.exit_code, 2);
  EXPECT_EQ(placed.out, run.out);
  const QStringList errors = Lines(placed.err);
  ASSERT_EQ(errors.size(), 3);
  EXPECT_TRUE(errors[0].startsWith("quendal-chart: line 4: Place 'chicago' is Chicago"));
  EXPECT_TRUE(errors[1].contains("line 5: Place 'kathmandu'"));
  EXPECT_TRUE(errors[1].contains("give the row in a ZoneRow column"));
}

}  // namespace
}  // namespace quendal

namespace quendal {
namespace {

// The conventions reach every output: Options in JSON, the tables only when asked, and the
// clashes refused.
TEST(QuendalChart, ConventionsAndTablesOfEveryBody) {
  const ProcessResult plain = Chart(kGreenwich + QStringList{"--json"});
  const QJsonObject json = QJsonDocument::fromJson(plain.out.toUtf8()).object();
  EXPECT_EQ(json["Options"].toObject(), QJsonObject({{"Zodiac", "tropical"},
                                                     {"Ayanamsha", "lahiri"},
                                                     {"Positions", "classic"},
                                                     {"Node", "mean"}}));
  EXPECT_EQ(json["DashaYearDays"].toDouble(), 365.25);
  for (const char* asked_only : {"Vargas", "Bodies", "Dasha", "DashaBalance", "Panchang", "Place"})
    EXPECT_FALSE(json.contains(asked_only)) << asked_only;

  const ProcessResult tables =
      Chart(kGreenwich + QStringList{"--json", "--vargas", "--bodies", "--dasha-year", "savana"});
  const QJsonObject full = QJsonDocument::fromJson(tables.out.toUtf8()).object();
  EXPECT_EQ(full["Vargas"].toObject().size(), 16);
  EXPECT_EQ(full["Bodies"].toArray().size(), 10);
  EXPECT_EQ(full["DashaYearDays"].toDouble(), 360);

  const struct {
    QStringList options;
    const char* message;
  } refused[] = {
      {{"--ayanamsha", "sayana"}, "--ayanamsha 'sayana' is not lahiri"},
      {{"--zodiac", "tropical", "--ayanamsha", "raman"}, "needs the sidereal zodiac"},
      {{"--node", "true"}, "--node 'true' needs --positions precise"},
      {{"--division", "5"}, "is not one of 1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30"},
  };
  for (const auto& r : refused) {
    const ProcessResult run = Chart(kGreenwich + r.options);
    EXPECT_EQ(run.exit_code, 2) << r.message;
    EXPECT_TRUE(run.err.contains(r.message)) << run.err.toStdString();
  }
}

}  // namespace
}  // namespace quendal
