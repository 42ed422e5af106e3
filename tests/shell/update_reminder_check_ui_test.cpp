#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "moc_url_recorder.cpp"
#include "shell/update_reminder_check.h"
#include "shell/web_addresses.h"
#include "ui_common/message_box.h"
#include "url_recorder.h"

namespace quendal {
namespace {

const QDate kToday(2026, 12, 8);

// Settings in a file of their own, the message box answered by the test.
class UpdateReminderCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    settings_ = std::make_unique<QSettings>(folder_.filePath("reminder.ini"), QSettings::IniFormat);
    SetMessageHandler([this](const MessageRequest& request) {
      questions_.push_back(request);
      return answer_;
    });
  }
  void TearDown() override { SetMessageHandler({}); }

  void StoreDate(const QString& text) { settings_->setValue(kReminderDateKey, text); }
  QString StoredDate() const { return settings_->value(kReminderDateKey).toString(); }

  QTemporaryDir folder_;
  std::unique_ptr<QSettings> settings_;
  std::vector<MessageRequest> questions_;
  MessageAnswer answer_ = MessageAnswer::No;
  test::UrlRecorder browser_;
};

TEST_F(UpdateReminderCheck, FirstStartRemembersTodayAndAsksNothing) {
  CheckForUpdateReminder(*settings_, kToday);
  EXPECT_TRUE(questions_.empty());
  EXPECT_EQ(StoredDate(), "2026-12-08");
  // The date reaches the file, so the next start sees it.
  EXPECT_EQ(QSettings(settings_->fileName(), QSettings::IniFormat).value(kReminderDateKey),
            "2026-12-08");
}

TEST_F(UpdateReminderCheck, UnreadableDateCountsAsFirstStart) {
  StoreDate("the day after tomorrow");
  CheckForUpdateReminder(*settings_, kToday);
  EXPECT_TRUE(questions_.empty());
  EXPECT_EQ(StoredDate(), "2026-12-08");
}

TEST_F(UpdateReminderCheck, AsksOnlyMoreThanTwoWeeksAwayAndRemembersTodayWhenItAsks) {
  struct Case {
    int reminder_days_from_today;
    bool asks;
  };
  for (const Case c :
       {Case{-15, true}, Case{-14, false}, Case{0, false}, Case{14, false}, Case{15, true}}) {
    const QString reminder = kToday.addDays(c.reminder_days_from_today).toString(Qt::ISODate);
    StoreDate(reminder);
    questions_.clear();
    CheckForUpdateReminder(*settings_, kToday);
    EXPECT_EQ(questions_.size(), c.asks ? 1u : 0u) << c.reminder_days_from_today;
    // Answering No still moves the date; not asking leaves it alone.
    EXPECT_EQ(StoredDate(), c.asks ? "2026-12-08" : reminder) << c.reminder_days_from_today;
  }
  EXPECT_TRUE(browser_.Opened().isEmpty());
}

TEST_F(UpdateReminderCheck, QuestionTextIconAndButtons) {
  StoreDate("2026-01-01");
  CheckForUpdateReminder(*settings_, kToday);
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0].text,
            "There maybe an update to this software available\n"
            "Do you want to check for an update?");
  EXPECT_EQ(questions_[0].icon, MessageIcon::Information);
  EXPECT_EQ(questions_[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(questions_[0].title, "Quendal");
}

TEST_F(UpdateReminderCheck, YesOpensTheDownloadPageOnceAndRemembersToday) {
  StoreDate("2026-01-01");
  answer_ = MessageAnswer::Yes;
  CheckForUpdateReminder(*settings_, kToday);
  EXPECT_EQ(browser_.Opened(), QStringList{kDownloadPageUrl});
  EXPECT_EQ(StoredDate(), "2026-12-08");
  // The next start the same day stays quiet.
  CheckForUpdateReminder(*settings_, kToday);
  EXPECT_EQ(questions_.size(), 1u);
}

}  // namespace
}  // namespace quendal
