// quendal-chart --match: the real binary against the core's match of the same two births.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "birth/reading_file.h"
#include "match/match.h"
#include "tests/test_births.h"
#include "tests/test_data.h"

namespace quendal {
namespace {

struct Outcome {
  int exit_code = -1;
  QByteArray out;
  QString err;
};

Outcome Program(const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromStdString(test::BinaryPath("cli/quendal-chart")), arguments);
  process.waitForFinished(60000);
  return {process.exitCode(), process.readAllStandardOutput(),
          QString::fromUtf8(process.readAllStandardError())};
}

BirthData Person(const char* name, BirthData birth) {
  birth = test::AtPlace(birth, 73, 52, true, 18, 31);
  birth.PersonName = name;
  birth.BirthCity = "Pune";
  birth.BirthState = "Maharashtra";
  birth.BirthCountry = "India";
  return birth;
}

class MatchOption : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    bride_path_ = Save("bride.kdl", bride_);
    groom_path_ = Save("groom.kdl", groom_);
  }
  QString Save(const QString& name, const BirthData& birth) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(EncodeReading(birth, 29)));
    return file.fileName();
  }

  QTemporaryDir dir_;
  BirthData bride_ = Person("Asha Rao", test::BirthAt(1990, 3, 7, 19, 0));
  BirthData groom_ = Person("Vikram Rao", test::BirthAt(1988, 3, 2, 12, 0));
  QString bride_path_, groom_path_;
};

TEST_F(MatchOption, JsonIsTheCoresMatchWhateverTheZodiac) {
  const MatchResult expected = MatchCharts(CalculateChart(bride_, MatchOptions({})),
                                           CalculateChart(groom_, MatchOptions({})));
  for (const char* zodiac : {"tropical", "sidereal"}) {
    const Outcome run =
        Program({"--reading", bride_path_, "--match", groom_path_, "--json", "--zodiac", zodiac});
    ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.keys(),
              (QStringList{"Bride", "Doshas", "Groom", "Kootas", "Mars", "Max", "Total"}));
    EXPECT_EQ(json["Bride"].toString(), "Asha Rao");
    EXPECT_EQ(json["Groom"].toString(), "Vikram Rao");
    EXPECT_EQ(json["Max"].toDouble(), 36);
    EXPECT_EQ(json["Total"].toDouble(), expected.total);
    const QJsonArray kootas = json["Kootas"].toArray();
    ASSERT_EQ(kootas.size(), 8);
    for (int k = 0; k < 8; ++k) {
      const KootaRow& row = expected.kootas[static_cast<std::size_t>(k)];
      const QJsonObject koota = kootas[k].toObject();
      EXPECT_EQ(koota["Name"].toString().toStdString(), row.name);
      EXPECT_EQ(koota["Bride"].toString().toStdString(), row.bride);
      EXPECT_EQ(koota["Groom"].toString().toStdString(), row.groom);
      EXPECT_EQ(koota["Points"].toDouble(), row.points);
      EXPECT_EQ(koota["Max"].toDouble(), row.max);
    }
    EXPECT_EQ(json["Doshas"].toArray().size(), static_cast<qsizetype>(expected.doshas.size()));
    const QJsonObject mars = json["Mars"].toObject()["Groom"].toObject();
    EXPECT_EQ(mars["HouseFromAscendant"].toInt(), expected.groom_mars.house_from_ascendant);
    EXPECT_EQ(mars["HouseFromMoon"].toInt(), expected.groom_mars.house_from_moon);
    EXPECT_EQ(mars["Manglik"].toBool(), expected.groom_mars.manglik);
  }
}

TEST_F(MatchOption, ReadableTableAndRefusals) {
  const Outcome table =
      Program({"--date", "1990-03-07", "--time", "19:00", "--zone", "29", "--lat", "18:31N",
               "--lon", "73:52E", "--name", "Asha Rao", "--match", groom_path_});
  ASSERT_EQ(table.exit_code, 0) << table.err.toStdString();
  const QString text = QString::fromUtf8(table.out);
  EXPECT_TRUE(text.contains("Bride: Asha Rao\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("Groom: Vikram Rao\n"));
  EXPECT_TRUE(text.contains(QRegularExpression("\nNadi +\\w+ +\\w+ +[08] of 8\n")));
  EXPECT_TRUE(text.contains(QRegularExpression("\nTotal +[0-9.]+ of 36\n")));
  EXPECT_TRUE(text.contains("the customary minimum of 18\n"));
  EXPECT_TRUE(text.contains("Exceptions (parihara) that can cancel a dosha are not applied.\n"));
  EXPECT_TRUE(text.contains("Cancellations of the Mars check are not applied.\n"));

  const struct {
    QStringList arguments;
    QString error;
  } refusals[] = {
      {{"--reading", bride_path_, "--match", dir_.filePath("none.kdl")},
       "quendal-chart: --match '" + dir_.filePath("none.kdl") +
           "' refused: Please Check The File.\n"},
      {{"--reading", bride_path_, "--match", groom_path_, "--dasha"},
       "quendal-chart: --match and --dasha cannot be combined (see quendal-chart --help)\n"},
  };
  for (const auto& refusal : refusals) {
    const Outcome run = Program(refusal.arguments);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.err, refusal.error);
  }
}

// --report with --match takes the match page into the report; a refused reading stops it.
TEST_F(MatchOption, TheReportHoldsTheMatchPage) {
  const QString pdf = dir_.filePath("report.pdf");
  const Outcome run = Program({"--reading", bride_path_, "--match", groom_path_, "--report", pdf,
                               "--report-sections", "match"});
  ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
  QProcess text;
  text.start("pdftotext", {pdf, "-"});
  text.waitForFinished(30000);
  EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains("and Vikram Rao"));
  const Outcome refused =
      Program({"--reading", bride_path_, "--match", dir_.filePath("none.kdl"), "--report", pdf});
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_TRUE(refused.err.contains("refused")) << refused.err.toStdString();
}

}  // namespace
}  // namespace quendal
