// The chart window's Export, Save As JPEG and Print given through its own menu, button and
// toolbar, on a chart the real form has cast.
#include <QDir>
#include <QImageReader>
#include <QJsonArray>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "chart_window/text_export.h"
#include "tests/app/running_program.h"

namespace quendal {
namespace {

using test::FileBytes;
using test::GoldenChart;

class FileCommands : public test::RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    CastChart(golden_.input);
  }
  QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
  }
  QString ChildField(const char* name) {
    auto* field = Display()->findChild<QLineEdit*>(name);
    return field ? field->text() : QStringLiteral("<none>");
  }

  const GoldenChart& golden_ = test::GoldenChartById(120);
};

TEST_F(FileCommands, ExportWritesTheChartAsTextAndSharesTheNameWithSaveAsText) {
  answers_ = {dir_.filePath("asha.kdl"), dir_.filePath("asha.txt")};
  Menu("mnuSaveAsText");
  Menu("mnuExport");
  ASSERT_EQ(asked_.size(), 2u);
  // The shared name comes with each dialog's own extension, so Enter never replaces a
  // reading with an export.
  EXPECT_EQ(asked_[1].initial_path, dir_.filePath("asha.txt"));
  EXPECT_EQ(asked_[1].title, "Select the destination text file ");

  const ChartSession& session = program_->Session();
  const QByteArray bytes = FileBytes(dir_.filePath("asha.txt"));
  EXPECT_EQ(
      bytes.toStdString(),
      ExportChartText(session.birth_data, session.chart,
                      QLocale::system().monthName(session.birth_data.BirthMonth).toStdString()));
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), 24);
  const QJsonObject& expected = golden_.expected;
  for (int i = 0; i < 17; ++i) {
    EXPECT_EQ(lines[i], expected["export_head"].toArray()[i].toString().toUtf8() + "\r") << i;
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lines[20 + i], expected["export_tail"].toArray()[i].toString().toUtf8() + "\r");
  }

  // The other way round, and a cancel changes neither the name nor the files.
  Menu("mnuSaveAsText");
  EXPECT_EQ(asked_.back().initial_path, dir_.filePath("asha.kdl"));
  Menu("mnuExport");
  EXPECT_EQ(asked_.back().initial_path, dir_.filePath("asha.txt"));
  EXPECT_EQ(FileBytes(dir_.filePath("asha.txt")), bytes);
  EXPECT_EQ(Entries(dir_.path()), (QStringList{"asha.kdl", "asha.txt"}));
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
}

TEST_F(FileCommands, SaveAsJpegTwiceGivesTwoImagesBesideAnUntouchedBitmap) {
  QFile bitmap(dir_.filePath("chart.bmp"));
  ASSERT_TRUE(bitmap.open(QIODevice::WriteOnly));
  bitmap.write("someone's own bitmap");
  bitmap.close();

  answers_ = {dir_.filePath("chart.jpg"), dir_.filePath("chart.jpg")};
  auto* button = Window()->findChild<QPushButton*>("cmdSaveAsJPEG");
  Click(button);
  EXPECT_EQ(ChildField("txtFile"), "chart.jpg");
  Click(button);
  EXPECT_EQ(ChildField("txtFile"), "chart.jpg");
  EXPECT_EQ(ChildField("txtFolder"), QDir::toNativeSeparators(dir_.path()));
  EXPECT_EQ(Entries(dir_.path()), (QStringList{"chart.bmp", "chart.jpg", "chart_001.jpg"}));
  EXPECT_EQ(FileBytes(dir_.filePath("chart.bmp")), "someone's own bitmap");
  const QSize chart_size = Display()->size() * Display()->devicePixelRatio();
  for (const char* name : {"chart.jpg", "chart_001.jpg"}) {
    QImageReader reader(dir_.filePath(name));
    EXPECT_EQ(reader.format(), "jpeg") << name;
    EXPECT_EQ(reader.read().size(), chart_size) << name;
  }
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
}

TEST_F(FileCommands, PrintFromTheToolbarGivesOnePageAndACancelNothing) {
  const QString pdf = dir_.filePath("chart.pdf");
  PrintDialogRequest options{true, true};
  SetPrintDialogHandler([&options](QPrinter&, const PrintDialogRequest& request) {
    options = request;
    return false;
  });
  ToolbarButton("Print");
  EXPECT_FALSE(options.allow_print_to_file);
  EXPECT_FALSE(options.allow_page_range);
  EXPECT_TRUE(Entries(dir_.path()).isEmpty());

  SetPrintDialogHandler([&pdf](QPrinter& printer, const PrintDialogRequest&) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  ToolbarButton("Print");
  ASSERT_TRUE(QFile::exists(pdf));
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {pdf});
  if (pdfinfo.waitForFinished(20000) && pdfinfo.exitCode() == 0) {
    EXPECT_TRUE(QString::fromUtf8(pdfinfo.readAllStandardOutput())
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
  } else {
    const QString text = QString::fromLatin1(FileBytes(pdf));
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 1);
  }
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
}

TEST_F(FileCommands, WithoutAPrinterPrintSaysSoAndPointsToThePdfBeforeAnyDialog) {
  SetPrinterCheck([] { return false; });
  int dialogs = 0;
  SetPrintDialogHandler([&dialogs](QPrinter&, const PrintDialogRequest&) {
    ++dialogs;
    return false;
  });
  if (!Window()->findChild<QAction*>("mnuSaveAsPdf")) {
    Window()
        ->findChild<QMenu*>("mnuFile")
        ->addAction("Save As P&DF")
        ->setObjectName("mnuSaveAsPdf");
  }
  ToolbarButton("Print");
  Menu("mnuPrint");
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(MessageTexts(), QStringList(2,
                                        "No printer is installed, so the chart cannot be printed. "
                                        "To keep it as a file, choose File > Save As PDF."));
  for (const MessageRequest& message : messages_) {
    EXPECT_EQ(message.icon, MessageIcon::Information);
  }
  EXPECT_TRUE(Entries(dir_.path()).isEmpty());
}

TEST_F(FileCommands, SavesIntoAnImpossiblePlaceSayWhichFileAndWriteNothing) {
  QFile blocker(dir_.filePath("plain"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString reading = dir_.filePath("plain/asha.kdl");
  const QString text = dir_.filePath("plain/asha.txt");
  answers_ = {reading, text, dir_.filePath("plain/chart.jpg")};
  Menu("mnuSaveAsText");
  Menu("mnuExport");
  Menu("mnuSaveAsJpeg");
  ASSERT_EQ(messages_.size(), 3u) << MessageTexts().join('|').toStdString();
  EXPECT_TRUE(messages_[0].text.contains(QDir::toNativeSeparators(reading)));
  EXPECT_TRUE(messages_[1].text.contains(QDir::toNativeSeparators(text)));
  EXPECT_TRUE(messages_[2].text.contains("chart.jpg"));
  for (const MessageRequest& message : messages_) EXPECT_EQ(message.icon, MessageIcon::Stop);
  EXPECT_EQ(Entries(dir_.path()), QStringList{"plain"});
  EXPECT_TRUE(FileBytes(dir_.filePath("plain")).isEmpty());
}

}  // namespace
}  // namespace quendal
