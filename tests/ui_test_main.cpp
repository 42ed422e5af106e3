// Entry point of the widget tests: one offscreen QApplication for all cases. Each test process
// gets a home of its own, so settings and other per-user files never touch the user's home
// and test processes running side by side never see each other's settings. Before every test the
// seams get answers that never block: messages are answered, dialogs cancelled and web pages
// swallowed, so a test that forgets a seam fails on its checks instead of hanging on a modal window
// or starting a browser. Tests install their own handlers in SetUp to look closer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "report/report_dialog.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace {

class UrlSink : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl&) {}
};

class NonBlockingSeams : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    quendal::SetMessageHandler([](const quendal::MessageRequest& request) {
      return request.buttons == quendal::MessageButtons::YesNo ? quendal::MessageAnswer::No
                                                               : quendal::MessageAnswer::Ok;
    });
    quendal::SetFileDialogHandler([](const quendal::FileDialogRequest&) { return QString(); });
    quendal::SetPrintDialogHandler(
        [](QPrinter&, const quendal::PrintDialogRequest&) { return false; });
    quendal::SetPrinterCheck([] { return true; });  // whatever this machine has
    quendal::SetReportDialogHandler([](quendal::ReportDialog&) { return false; });
    for (const char* scheme : {"http", "https"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink_, "Open");
    }
  }

 private:
  UrlSink sink_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (home.isValid()) qputenv("HOME", home.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QApplication::setOrganizationName("QuendalTests");
  QApplication::setApplicationName("QuendalTests");
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new NonBlockingSeams);
  return RUN_ALL_TESTS();
}

#include "ui_test_main.moc"
