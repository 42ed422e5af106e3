// The update reminder as start-up runs it: the program's own settings, asked before the form
// shows. The settings of the test run live in Qt's test location, never in the user's.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <optional>
#include <vector>

#include "app/quendal_application.h"
#include "birth/frmMain.h"
#include "moc_url_recorder.cpp"
#include "shell/update_reminder_check.h"
#include "shell/web_addresses.h"
#include "ui_common/message_box.h"
#include "url_recorder.h"

namespace quendal {
namespace {

class StartUpReminder : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings settings;
    ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
    const QString test_location =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    ASSERT_TRUE(test_location.contains(QLatin1String("/.qttest/"))) << test_location.toStdString();
    ASSERT_TRUE(settings.fileName().startsWith(test_location + '/'))
        << settings.fileName().toStdString();
    file_name_ = settings.fileName();
    saved_ = settings.value(kReminderDateKey);

    SetMessageHandler([this](const MessageRequest& request) {
      questions_.push_back(request);
      form_was_visible_ = quendal_ && quendal_->Form()->isVisible();
      return answer_;
    });
  }

  void TearDown() override {
    quendal_.reset();
    SetMessageHandler({});
    QSettings settings;
    if (saved_.isValid()) {
      settings.setValue(kReminderDateKey, saved_);
    } else {
      settings.remove(kReminderDateKey);
    }
  }

  void Store(const std::optional<QString>& value) {
    QSettings settings;
    if (value) {
      settings.setValue(kReminderDateKey, *value);
    } else {
      settings.remove(kReminderDateKey);
    }
  }

  static QString DaysFromToday(int days) {
    return QDate::currentDate().addDays(days).toString(Qt::ISODate);
  }

  void Start() {
    quendal_ = std::make_unique<QuendalApplication>();
    quendal_->SetEndHandler([] {});
    quendal_->Start();
  }

  QString file_name_;
  QVariant saved_;
  std::unique_ptr<QuendalApplication> quendal_;
  std::vector<MessageRequest> questions_;
  std::optional<bool> form_was_visible_;
  MessageAnswer answer_ = MessageAnswer::No;
  test::UrlRecorder browser_;
};

TEST_F(StartUpReminder, AsksBeforeTheFormShowsAndYesOpensTheDownloadPage) {
  Store(DaysFromToday(-15));
  answer_ = MessageAnswer::Yes;
  Start();
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0].icon, MessageIcon::Information);
  EXPECT_EQ(questions_[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(form_was_visible_, false);
  EXPECT_TRUE(quendal_->Form()->isVisible());
  EXPECT_EQ(browser_.Opened(), QStringList{kDownloadPageUrl});
  EXPECT_EQ(QSettings().value(kReminderDateKey).toString(), DaysFromToday(0));
}

TEST_F(StartUpReminder, StoredDateDecidesWhetherToAskAndWhatIsKept) {
  struct Case {
    std::optional<QString> stored;
    bool asks;
    QString kept;  // the date in the settings after start-up
  };
  const Case cases[] = {
      {std::nullopt, false, DaysFromToday(0)},                    // first start
      {QStringLiteral("next Tuesday"), false, DaysFromToday(0)},  // unreadable: as absent
      {DaysFromToday(-14), false, DaysFromToday(-14)},
      {DaysFromToday(14), false, DaysFromToday(14)},
      {DaysFromToday(-15), true, DaysFromToday(0)},  // answered No
      {DaysFromToday(15), true, DaysFromToday(0)},   // the clock was set back
  };
  for (const Case& c : cases) {
    const std::string label = c.stored.value_or(QStringLiteral("(none)")).toStdString();
    Store(c.stored);
    questions_.clear();
    Start();
    EXPECT_EQ(questions_.size(), c.asks ? 1u : 0u) << label;
    EXPECT_EQ(QSettings().value(kReminderDateKey).toString(), c.kept) << label;
    EXPECT_TRUE(quendal_->Form()->isVisible()) << label;
  }
  EXPECT_TRUE(browser_.Opened().isEmpty());
  // The kept date reaches the file, so the next run of the program sees it.
  QFile file(file_name_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains(DaysFromToday(0).toLatin1()));
}

}  // namespace
}  // namespace quendal
