// quendal-chart --batch at scale: threads, CSV out, standard streams.
#include <gtest/gtest.h>

#include <QProcess>

#include "tests/test_data.h"

namespace quendal {
namespace {

struct BatchRun {
  int exit_code = -1;
  QByteArray out;
  QByteArray err;
};

BatchRun Batch(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(QString::fromStdString(test::BinaryPath("cli/quendal-chart")),
                QStringList{"--batch", "-"} + arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray kHeader =
    "PersonName,BirthYear,BirthMonth,BirthDay,BirthHour,BirthMinute,ZoneRow,DaylightSaving,"
    "LatitudeDegrees,LatitudeMinutes,LatitudeIsSouth,LongitudeDegrees,LongitudeMinutes,"
    "LongitudeIsEast\n";

// Enough records for many chunks on every thread, a bad one now and then, a name that
// needs quoting, and the header again in the middle, as joined files have it.
QByteArray MixedBirths(int count) {
  QByteArray csv = kHeader;
  for (int i = 0; i < count; ++i) {
    if (i == count / 2) csv += kHeader;
    const QByteArray name =
        i % 7 == 0 ? "\"Rao, \"\"Asha\"\"\nPune\"" : "P" + QByteArray::number(i);
    const int year = i % 97 == 50 ? 1850 : 1901 + i % 150;
    csv += name + "," + QByteArray::number(year) + "," + QByteArray::number(1 + i % 12) + "," +
           QByteArray::number(1 + i % 28) + "," + QByteArray::number(i % 24) + ",7,34,0,18,31,0," +
           QByteArray::number(i % 180) + ",52,1\n";
  }
  return csv;
}

TEST(QuendalChartBatch, AnyNumberOfThreadsWritesTheSameBytes) {
  const QByteArray csv = MixedBirths(3000);
  for (const char* format : {"jsonl", "csv"}) {
    const BatchRun one = Batch({"--jobs", "1", "--format", format}, csv);
    const BatchRun four = Batch({"--jobs", "4", "--format", format}, csv);
    EXPECT_EQ(one.exit_code, 2) << format;
    EXPECT_TRUE(one.err.endsWith("quendal-chart: 3000 records, 31 failed\n"))
        << one.err.right(80).toStdString();
    EXPECT_EQ(four.exit_code, one.exit_code);
    EXPECT_EQ(four.out, one.out) << format;
    EXPECT_EQ(four.err, one.err) << format;
  }
}

// A small reader of RFC 4180, so the test does not trust the writer's own idea of quoting.
QList<QStringList> ParseCsv(const QString& text) {
  QList<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record << field;
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      record << field;
      field.clear();
      records << record;
      record.clear();
      ++i;
    } else {
      field += c;
    }
  }
  return records;
}

TEST(QuendalChartBatch, CsvReadsBackRecordForRecord) {
  const BatchRun run = Batch({"--format", "csv"}, MixedBirths(200));
  const QList<QStringList> records = ParseCsv(QString::fromUtf8(run.out));
  ASSERT_EQ(records.size(), 201);
  const QStringList& header = records[0];
  EXPECT_EQ(header[0], "PersonName");
  EXPECT_EQ(header.last(), "Error");
  const int moon = static_cast<int>(header.indexOf("MoonPosition"));
  const int error = static_cast<int>(header.size()) - 1;
  for (const QStringList& record : records) ASSERT_EQ(record.size(), header.size());
  EXPECT_EQ(records[1][0], "Rao, \"Asha\"\nPune");
  EXPECT_EQ(records[1][error], "");
  EXPECT_EQ(records[1][moon].size(), 9) << records[1][moon].toStdString();
  EXPECT_EQ(records[2][0], "P1");
  EXPECT_EQ(records[1 + 50][moon], "");
  EXPECT_TRUE(records[1 + 50][error].startsWith("line ")) << records[51][error].toStdString();
  EXPECT_TRUE(records[1 + 50][error].contains("BirthYear '1850'"));
}

// A reader that leaves after one line: the run ends at once, says nothing, fails.
TEST(QuendalChartBatch, ClosedPipeEndsQuietly) {
  QProcess shell;
  shell.start("sh", {"-c", "(\"$0\" --batch - --jobs 2; echo status $? >&2) | head -n 1 >/dev/null",
                     QString::fromStdString(test::BinaryPath("cli/quendal-chart"))});
  shell.write(MixedBirths(20000));
  shell.closeWriteChannel();
  ASSERT_TRUE(shell.waitForFinished(60000));
  const QByteArray err = shell.readAllStandardError();
  EXPECT_EQ(err, "status 1\n");
}

}  // namespace
}  // namespace quendal
