// quendal-chart with reading files and the text export: the real binary against the same
// core the windows use.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include "birth/chart_calculation.h"
#include "birth/reading_file.h"
#include "chart_window/text_export.h"
#include "tests/golden_charts.h"
#include "tests/test_data.h"
#include "vedic/divisional_signs.h"

namespace quendal {
namespace {

struct Outcome {
  int exit_code = -1;
  QByteArray out;
  QString err;
};

Outcome Program(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QString::fromStdString(test::BinaryPath("cli/quendal-chart")), arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitCode(), process.readAllStandardOutput(),
          QString::fromUtf8(process.readAllStandardError())};
}

BirthData BirthOf(const QJsonObject& input) {
  return StoreZoneRow(test::GoldenBirth(input), input["ZoneRow"].toInt());
}

QStringList OptionsOf(const QJsonObject& input) {
  const auto two = [](int value) { return QString("%1").arg(value, 2, 10, QChar('0')); };
  QStringList options = {"--date",
                         QString("%1-%2-%3")
                             .arg(input["BirthYear"].toInt())
                             .arg(two(input["BirthMonth"].toInt()), two(input["BirthDay"].toInt())),
                         "--time",
                         two(input["BirthHour"].toInt()) + ":" + two(input["BirthMinute"].toInt()),
                         "--zone",
                         QString::number(input["ZoneRow"].toInt()),
                         "--lat",
                         QString("%1:%2%3")
                             .arg(input["LatitudeDegrees"].toInt())
                             .arg(input["LatitudeMinutes"].toInt())
                             .arg(input["LatitudeIsSouth"].toBool() ? "S" : "N"),
                         "--lon",
                         QString("%1:%2%3")
                             .arg(input["LongitudeDegrees"].toInt())
                             .arg(input["LongitudeMinutes"].toInt())
                             .arg(input["LongitudeIsEast"].toBool() ? "E" : "W"),
                         "--name",
                         input["PersonName"].toString(),
                         "--city",
                         input["BirthCity"].toString(),
                         "--state",
                         input["BirthState"].toString(),
                         "--country",
                         input["BirthCountry"].toString()};
  if (input["DaylightSaving"].toBool()) options << "--dst";
  return options;
}

// What the chart window's Export writes for this birth.
QByteArray ExpectedExport(const BirthData& birth) {
  const Chart chart = CalculateChart(birth);
  return QByteArray::fromStdString(
      ExportChartText(birth, chart, QLocale::system().monthName(birth.BirthMonth).toStdString()));
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class ChartFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  // A reading whose lines are shifted by shift, as another program might write it.
  QString WriteReading(const QString& name, const std::vector<std::string>& lines, int shift) {
    QByteArray bytes;
    for (const auto& line : lines)
      bytes += QByteArray::fromStdString(ShiftEncode(line, shift)) + "\r\n";
    return WriteFile(name, bytes);
  }

  QTemporaryDir dir_;
};

TEST_F(ChartFilesTest, AReadingGivesTheChartOfItsBirthInEveryOutput) {
  for (int id : {0, 77, 164}) {
    const test::GoldenChart& golden = test::GoldenChartById(id);
    const QJsonObject& input = golden.input;
    const BirthData birth = BirthOf(input);
    const QString reading =
        WriteFile(QString("r%1.kdl").arg(id),
                  QByteArray::fromStdString(EncodeReading(birth, input["ZoneRow"].toInt())));

    const Outcome json = Program({"--reading", reading, "--json"});
    ASSERT_EQ(json.exit_code, 0) << json.err.toStdString();
    EXPECT_EQ(json.out, Program(OptionsOf(input) << "--json").out) << id;

    const Outcome exported = Program({"--reading", reading, "--export"});
    ASSERT_EQ(exported.exit_code, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, ExpectedExport(birth)) << id;
    EXPECT_EQ(Program(OptionsOf(input) << "--export").out, exported.out) << id;

    // Independent values: lines 1-17 and 19-21 (line 9 and 19 hold a lone CR).
    const QList<QByteArray> lines = exported.out.split('\n');
    ASSERT_EQ(lines.size(), 24) << id;  // 23 lines and the empty rest after the last LF
    const QJsonArray head = golden.expected["export_head"].toArray();
    const QJsonArray tail = golden.expected["export_tail"].toArray();
    for (int i = 0; i < 17; ++i) {
      EXPECT_EQ(lines[i], head[i].toString().toUtf8() + "\r") << id << " line " << i + 1;
    }
    // Our own block: Rahu, Ketu and Asc after the seven planets.
    const QJsonArray table = golden.expected["table"].toArray();
    EXPECT_EQ(lines[17], "Rahu " + table[7].toString().toUtf8() + "\r");
    EXPECT_EQ(lines[18], "Ketu " + table[8].toString().toUtf8() + "\r");
    EXPECT_EQ(lines[19], "Asc " + table[9].toString().toUtf8() + "\r");
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(lines[20 + i], tail[i].toString().toUtf8() + "\r") << id << " tail " << i;
    }
  }
}

const std::vector<std::string> kReading = {"Asha Rao", "7",  "9",    "1984",        "5",    "40",
                                           "34",       "73", "52",   "18",          "31",   "True",
                                           "False",    "0",  "Pune", "Maharashtra", "India"};

TEST_F(ChartFilesTest, AReadingWithAnotherShiftOpens) {
  const Outcome ours =
      Program({"--reading", WriteReading("ours.kdl", kReading, ReadingShift), "--json"});
  const Outcome other = Program({"--reading", WriteReading("other.kdl", kReading, 40), "--json"});
  ASSERT_EQ(ours.exit_code, 0) << ours.err.toStdString();
  EXPECT_EQ(other.exit_code, 0) << other.err.toStdString();
  EXPECT_EQ(other.out, ours.out);
  EXPECT_EQ(ours.out, Program({"--date", "1984-07-09", "--time", "05:40", "--zone", "34", "--lat",
                               "18:31N", "--lon", "73:52E", "--json"})
                          .out);
}

TEST_F(ChartFilesTest, RefusedReadingsAndFailedChecksPrintTheFormsMessage) {
  auto year_1899 = kReading;
  year_1899[3] = "1899";
  auto no_name = kReading;
  no_name[0] = "";
  auto latitude_91 = kReading;
  latitude_91[9] = "91";
  auto long_name = kReading;
  long_name[0] = std::string(kMaxReadingBytes, 'a');
  auto april_31 = kReading;
  april_31[1] = "4";
  april_31[2] = "31";
  const std::vector<std::string> five(kReading.begin(), kReading.begin() + 5);
  const struct {
    QString path;
    const char* message;
  } cases[] = {
      {WriteReading("READING.KDL", kReading, ReadingShift), "Please Check The File."},
      {dir_.filePath("missing.kdl"), "Please Check The File."},
      {dir_.path() + "/folder.kdl", "Please Check The File."},
      {WriteReading("old.kdl", year_1899, ReadingShift), "Please Check The File."},
      {WriteReading("long.kdl", long_name, ReadingShift), "Please Check The File."},
      {WriteReading("short.kdl", five, ReadingShift), "Please Enter Degree of Latitude"},
      {WriteReading("empty.kdl", {}, ReadingShift), "Please Enter Your Name"},
      {WriteReading("noname.kdl", no_name, ReadingShift), "Please Enter Your Name"},
      {WriteReading("lat.kdl", latitude_91, ReadingShift),
       "Please Enter Correct Degree of Latitude"},
      {WriteReading("april.kdl", april_31, ReadingShift), "Please Enter Correct Date Or Month !"},
  };
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.kdl"));
  for (const auto& c : cases) {
    const Outcome run = Program({"--reading", c.path, "--export"});
    EXPECT_EQ(run.exit_code, 2) << c.path.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << c.path.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
  }
}

TEST_F(ChartFilesTest, OutputIsSavedWholeOrNotAtAll) {
  const QString reading = WriteReading("asha.kdl", kReading, ReadingShift);
  const QByteArray printed = Program({"--reading", reading, "--export"}).out;
  const QString target = WriteFile("asha.txt", QByteArray(5000, 'x'));
  Outcome run = Program({"--reading", reading, "--export", "--output", target});
  EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_EQ(ReadAll(target), printed);

  // A folder that cannot exist: the message names the file, nothing is left behind.
  const QString blocked = WriteFile("plain", "keep") + "/asha.txt";
  run = Program({"--reading", reading, "--export", "--output", blocked});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.err.contains(blocked)) << run.err.toStdString();
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"asha.kdl", "asha.txt", "plain"}));
  EXPECT_EQ(ReadAll(dir_.filePath("plain")), "keep");

  // The last bytes refused by a size limit: the old file stays, the reason is the system's.
  const QString limited = WriteFile("limited.txt", "old");
  QProcess shell;
  shell.start("/bin/sh",
              {"-c", "ulimit -f 1 && trap '' XFSZ && exec \"$0\" --zones --output \"$1\"",
               QString::fromStdString(test::BinaryPath("cli/quendal-chart")), limited});
  shell.waitForFinished(60000);
  EXPECT_EQ(shell.exitCode(), 1);
  EXPECT_TRUE(shell.readAllStandardError().contains("File too large"));
  EXPECT_EQ(ReadAll(limited), "old");

  // A refused birth writes nothing either, and leaves the earlier file as it was.
  run = Program({"--reading", dir_.filePath("missing.kdl"), "--export", "--output", target});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(ReadAll(target), printed);
}

TEST_F(ChartFilesTest, BatchExportWritesEachGoodRecordsExportInTurn) {
  QByteArray csv =
      "BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,DaylightSaving,"
      "LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,LongitudeDegrees,LongitudeMinutes,"
      "LongitudeIsEast,PersonName,BirthCity,BirthState,BirthCountry\n";
  QByteArray expected;
  for (int id : {5, 99}) {
    const QJsonObject& input = test::GoldenChartById(id).input;
    const auto n = [&](const char* key) { return QByteArray::number(input[key].toInt()); };
    const auto f = [&](const char* key) -> QByteArray { return input[key].toBool() ? "1" : "0"; };
    const auto t = [&](const char* key) { return input[key].toString().toUtf8(); };
    csv += n("BirthYear") + "," + n("BirthMonth") + "," + n("BirthDay") + "," + n("BirthHour") +
           "," + n("BirthMinute") + "," + n("ZoneRow") + "," + f("DaylightSaving") + "," +
           n("LatitudeDegrees") + "," + n("LatitudeMinutes") + "," + f("LatitudeIsSouth") + "," +
           n("LongitudeDegrees") + "," + n("LongitudeMinutes") + "," + f("LongitudeIsEast") + "," +
           t("PersonName") + "," + t("BirthCity") + "," + t("BirthState") + "," +
           t("BirthCountry") + "\n";
    expected += ExpectedExport(BirthOf(input));
    if (id == 5) csv += "1899,1,1,0,0,0,0,0,0,0,0,0,1,Bad,,,\n";  // skipped, reported
  }
  const Outcome printed = Program({"--batch", "-", "--export"}, csv);
  EXPECT_EQ(printed.exit_code, 2);
  EXPECT_TRUE(printed.err.contains("line 3")) << printed.err.toStdString();
  EXPECT_EQ(printed.out, expected);

  const QString target = dir_.filePath("all.txt");
  const Outcome saved = Program({"--batch", "-", "--export", "--output", target}, csv);
  EXPECT_EQ(saved.exit_code, 2);
  EXPECT_TRUE(saved.out.isEmpty());
  EXPECT_EQ(ReadAll(target), expected);

  // A header that names no usable columns charts nothing: the earlier file stays.
  const Outcome refused = Program({"--batch", "-", "--output", target}, "BirthYear\n1984\n");
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_TRUE(refused.err.contains("BirthMonth")) << refused.err.toStdString();
  EXPECT_EQ(ReadAll(target), expected);
}

TEST_F(ChartFilesTest, SourcesAndFormatsThatCannotGoTogetherAreRefused) {
  const QString reading = WriteReading("asha.kdl", kReading, ReadingShift);
  for (const QStringList& arguments :
       {QStringList{"--reading", reading, "--date", "2000-01-01"},
        QStringList{"--reading", reading, "--batch", "-"},
        QStringList{"--reading", reading, "--export", "--json"}, QStringList{"--zones", "--export"},
        QStringList{"--places", "pune", "--json"}}) {
    const Outcome run = Program(arguments);
    EXPECT_EQ(run.exit_code, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("cannot be combined")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
  const QString help = QString::fromUtf8(Program({"--help"}).out);
  for (const char* option : {"--reading", "--export", "--output"}) {
    EXPECT_TRUE(help.contains(option)) << option;
  }
}

// Golden chart 0 given as options: its navamsa in the JSON, its page as PDF, and the values
// the new options refuse.
TEST_F(ChartFilesTest, DivisionsInTheJsonAndThePageAsPdf) {
  const test::GoldenChart& golden = test::GoldenChartById(0);
  const QStringList birth = {"--date", "2046-02-20", "--time",  "00:44",  "--zone",
                             "57",     "--dst",      "--lat",   "40:01S", "--lon",
                             "58:37W", "--name",     "Asha Rao"};
  const Outcome json = Program(birth + QStringList{"--division", "9", "--json"});
  ASSERT_EQ(json.exit_code, 0) << json.err.toStdString();
  const QJsonObject object = QJsonDocument::fromJson(json.out).object();
  const Chart navamsa =
      DivisionalChart(CalculateChart(StoreZoneRow(golden.birth, golden.zone_row)), 9);
  EXPECT_EQ(object["Division"].toInt(), 9);
  for (int h = 0; h < 12; ++h) {
    EXPECT_EQ(object["HouseCells"][h].toString().toStdString(), navamsa.HouseCells[h]);
    EXPECT_EQ(object["SignPictures"][h].toInt(), navamsa.SignPictures[h]);
  }

  const QString pdf = dir_.filePath("asha.pdf");
  auto page_words = [&](const QStringList& options) {
    const Outcome page = Program(birth + QStringList{"--pdf", pdf} + options);
    EXPECT_EQ(page.exit_code, 0) << page.err.toStdString();
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
  };
  const QString words = page_words({"--chart-style", "south", "--division", "9"});
  EXPECT_TRUE(words.contains("Name: Asha Rao")) << words.toStdString();
  EXPECT_TRUE(words.contains("Navamsa (D9)"));
  EXPECT_TRUE(words.contains(QString::fromStdString(golden.chart.PositionsTable[9])));
  EXPECT_FALSE(words.contains("Sidereal"));
  // A sidereal page names its zodiac and shows the sidereal positions.
  const QString sidereal = page_words({"--chart-style", "north", "--zodiac", "sidereal"});
  EXPECT_TRUE(sidereal.contains("Sidereal (Lahiri)")) << sidereal.toStdString();
  EXPECT_TRUE(sidereal.contains("21\u00b0 5' 21\" Pis"));

  for (const QStringList& refused :
       {QStringList{"--division", "5"}, QStringList{"--pdf", pdf, "--chart-style", "east"},
        QStringList{"--pdf", pdf, "--json"}, QStringList{"--pdf", pdf, "--dasha"}}) {
    const Outcome run = Program(birth + refused);
    EXPECT_EQ(run.exit_code, 2) << refused.join(' ').toStdString();
    EXPECT_FALSE(run.err.isEmpty());
  }
}

// --report writes the window's report with the sections asked for; a list naming no known
// section and options the report cannot take are refused.
TEST_F(ChartFilesTest, TheReportWithChosenSections) {
  const QStringList birth = {"--date", "2046-02-20", "--time", "00:44",  "--zone", "57",
                             "--lat",  "40:01S",     "--lon",  "58:37W", "--name", "Asha Rao"};
  const QString pdf = dir_.filePath("report.pdf");
  const Outcome run =
      Program(birth + QStringList{"--report", pdf, "--report-sections", "Dasha, birth"});
  ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
  QProcess text;
  text.start("pdftotext", {pdf, "-"});
  text.waitForFinished(30000);
  const QString words = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(words.contains("Birth chart of Asha Rao"));
  EXPECT_TRUE(words.contains("Birth details"));
  EXPECT_TRUE(words.contains("Vimshottari dasha"));
  EXPECT_FALSE(words.contains("Divisional charts"));

  for (const QStringList& refused :
       {QStringList{"--report", pdf, "--report-sections", "birth,moon"},
        QStringList{"--report", pdf, "--json"}, QStringList{"--report-sections", "birth"}}) {
    const Outcome bad = Program(birth + refused);
    EXPECT_EQ(bad.exit_code, 2) << refused.join(' ').toStdString();
    EXPECT_FALSE(bad.err.isEmpty());
  }
}

}  // namespace
}  // namespace quendal
