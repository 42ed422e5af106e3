#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "birth/reading_file.h"
#include "chart_window/chart_commands.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/text_export.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

// The chart child's controls the commands touch, under their object names.
class FakeChartChild : public QWidget {
 public:
  FakeChartChild() {
    resize(967, 560);
    (new QLineEdit(this))->setObjectName("txtFile");
    (new QLineEdit(this))->setObjectName("txtFolder");
    (new QLabel("Leo", this))->setObjectName("lblLagna");
    (new QLabel("Aries", this))->setObjectName("lblRashi");
  }
  QString Field(const char* name) const { return findChild<QLineEdit*>(name)->text(); }
};

class ChartCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
    SetFileDialogHandler([this](const FileDialogRequest& request) {
      asked_.push_back(request);
      return answer_;
    });
    session_.birth_data.PersonName = "Asha Rao";
    session_.birth_data.BirthMonth = 8;
    session_.birth_data.BirthYear = 1980;
    session_.zone_row = 45;
    for (int row = 0; row < 10; ++row)
      session_.chart.PositionsTable[row] = "01 Ari 0" + std::to_string(row);
  }
  void TearDown() override {
    SetMessageHandler({});
    SetFileDialogHandler({});
    SetPrintDialogHandler({});
  }
  QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QImage Snapshot() {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image;
  }

  QTemporaryDir dir_;
  ChartSession session_;
  QString answer_;
  std::vector<FileDialogRequest> asked_;
  std::vector<MessageRequest> messages_;
};

TEST_F(ChartCommandsTest, SaveAsTextAndExportShareTheLastFileName) {
  FakeChartChild child;
  answer_ = dir_.filePath("asha.kdl");
  SaveReadingAs(&child, session_);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(asked_[0].title, "Quendal");
  EXPECT_EQ(asked_[0].filter, "Quendal (*.kdl)");
  EXPECT_EQ(asked_[0].default_suffix, "kdl");
  EXPECT_TRUE(asked_[0].initial_path.isEmpty());
  EXPECT_EQ(session_.LastFileName, answer_);
  EXPECT_EQ(Contents(answer_).toStdString(), EncodeReading(session_.birth_data, 45));

  answer_ = dir_.filePath("asha.txt");
  ExportChartAsText(&child, session_, &child);
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[1].title, "Select the destination text file ");
  EXPECT_EQ(asked_[1].filter, "Export Chart As Text (*.txt)");
  EXPECT_EQ(asked_[1].default_suffix, "txt");
  EXPECT_EQ(asked_[1].initial_path, dir_.filePath("asha.txt"));
  const std::string month = QLocale::system().monthName(8).toStdString();
  EXPECT_EQ(Contents(answer_).toStdString(),
            ExportChartText(session_.birth_data, session_.chart, month, "Leo", "Aries"));

  // Cancelling keeps both the name and the earlier file.
  const QByteArray before = Contents(dir_.filePath("asha.kdl"));
  answer_.clear();
  session_.birth_data.PersonName = "Someone Else";
  SaveReadingAs(&child, session_);
  EXPECT_EQ(asked_.back().initial_path, dir_.filePath("asha.kdl"));
  EXPECT_EQ(session_.LastFileName, dir_.filePath("asha.txt"));
  EXPECT_EQ(Contents(dir_.filePath("asha.kdl")), before);
  EXPECT_TRUE(messages_.empty());
}

TEST(WithExtension, ReplacesOrAddsTheExtensionOfTheFileNameOnly) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"/home/asha/asha.kdl", "/home/asha/asha.txt"},
      {"/home/asha/my.chart.kdl", "/home/asha/my.chart.txt"},
      {"/home/asha.rao/asha", "/home/asha.rao/asha.txt"},
      {"/home/asha/asha.", "/home/asha/asha.txt"},
      {"/home/asha/.reading", "/home/asha/.reading.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithExtension(QString::fromLatin1(c.path), QStringLiteral("txt")), c.expected)
        << c.path;
  }
}

TEST_F(ChartCommandsTest, SaveIntoAnImpossibleFolderSaysSoAndWritesNothing) {
  FakeChartChild child;
  QFile blocker(dir_.filePath("plain_file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  answer_ = dir_.filePath("plain_file/asha.kdl");
  SaveReadingAs(&child, session_);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(messages_[0].text.contains(answer_));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{"plain_file"});
}

TEST_F(ChartCommandsTest, JpegGoesUnderAFreeNameBesideAnUntouchedBitmap) {
  FakeChartChild child;
  ASSERT_TRUE(QDir(dir_.path()).mkdir("My.Docs"));
  const QString folder = dir_.filePath("My.Docs");
  QFile bitmap(folder + "/chart.bmp");
  ASSERT_TRUE(bitmap.open(QIODevice::WriteOnly));
  bitmap.write("not really a bitmap");
  bitmap.close();

  EXPECT_TRUE(SaveFormAsJpeg(&child, Snapshot(), folder + "/chart.jpg", true));
  EXPECT_TRUE(SaveFormAsJpeg(&child, Snapshot(), folder + "/chart", true));
  EXPECT_EQ(child.Field("txtFile"), "chart.jpg");
  EXPECT_EQ(child.Field("txtFolder"), QDir::toNativeSeparators(folder));
  EXPECT_EQ(Contents(folder + "/chart.bmp"), "not really a bitmap");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files),
            (QStringList{"chart.bmp", "chart.jpg", "chart_001.jpg"}));
  for (const char* name : {"/chart.jpg", "/chart_001.jpg"}) {
    QImageReader reader(folder + name);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.read().size(), QSize(300, 200));
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ChartCommandsTest, TooManyCopiesShowsTheCriticalMessageAndWritesNothing) {
  FakeChartChild child;
  for (int k = 0; k <= 999; ++k) {
    QFile file(k == 0 ? dir_.filePath("x.jpg")
                      : dir_.filePath(QString("x_%1.jpg").arg(k, 3, 10, QChar('0'))));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  EXPECT_FALSE(SaveFormAsJpeg(&child, Snapshot(), dir_.filePath("x.jpg"), true));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, MessageIcon::Critical);
  EXPECT_EQ(messages_[0].text, "There are too many Copies of this file  x.jpg");
  EXPECT_EQ(messages_[0].title, " UNABLE  TO  CREATE  NEW  FILEx.jpg");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1000);
}

TEST_F(ChartCommandsTest, SaveAsJpegCommandAsksThenWritesTheChartChild) {
  BirthData birth;
  frmDisplay display(birth);
  display.resize(400, 250);
  display.SetSnapshot(Snapshot());
  answer_ = dir_.filePath("wheel.jpg");
  SaveChartAsJpeg(&display, &display);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].filter, "JPEG Image (*.jpg)");
  EXPECT_EQ(asked_[0].default_suffix, "jpg");
  EXPECT_FALSE(QImage(answer_).isNull());

  answer_.clear();
  SaveChartAsJpeg(&display, &display);
  EXPECT_EQ(asked_.back().initial_path, dir_.filePath("wheel.jpg"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"wheel.jpg"});
}

TEST_F(ChartCommandsTest, PrintsOnePageOrNothingWhenCancelled) {
  frmDisplay child{BirthData()};
  const QString pdf = dir_.filePath("chart.pdf");
  PrintDialogRequest options{true, true};
  SetPrintDialogHandler([&](QPrinter&, const PrintDialogRequest& request) {
    options = request;
    return false;
  });
  PrintChart(&child, &child);
  EXPECT_FALSE(options.allow_print_to_file);
  EXPECT_FALSE(options.allow_page_range);
  EXPECT_FALSE(QFile::exists(pdf));

  SetPrintDialogHandler([&](QPrinter& printer, const PrintDialogRequest&) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  PrintChart(&child, &child);
  const QString text = QString::fromLatin1(Contents(pdf));
  EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 1);
  EXPECT_TRUE(messages_.empty());

  // No printer: said at once, and no dialog; a window without PDF output names none.
  SetPrinterCheck([] { return false; });
  QFile::remove(pdf);
  PrintChart(&child, &child);
  EXPECT_FALSE(QFile::exists(pdf));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "No printer is installed, so the chart cannot be printed.");
}

}  // namespace
}  // namespace quendal
