#include "shell/update_reminder_check.h"

#include <QSettings>

#include "shell/links.h"
#include "shell/update_reminder.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

std::chrono::year_month_day ToCalendarDate(QDate date) {
  return std::chrono::year_month_day{std::chrono::year(date.year()),
                                     std::chrono::month(static_cast<unsigned>(date.month())),
                                     std::chrono::day(static_cast<unsigned>(date.day()))};
}

void StoreReminderDate(QSettings& settings, QDate today) {
  settings.setValue(QLatin1String(kReminderDateKey),
                    QString::fromStdString(FormatReminderDate(ToCalendarDate(today))));
  settings.sync();
}

}  // namespace

void CheckForUpdateReminder(QSettings& settings, QDate today, QWidget* parent) {
  const QString stored = settings.value(QLatin1String(kReminderDateKey)).toString();
  switch (DecideUpdateReminder(ParseReminderDate(stored.toStdString()), ToCalendarDate(today))) {
    case ReminderStep::Nothing:
      return;
    case ReminderStep::StoreToday:
      StoreReminderDate(settings, today);
      return;
    case ReminderStep::AskThenStore:
      break;
  }
  const MessageAnswer answer =
      ShowMessage(parent,
                  TrText("Messages",
                         "There maybe an update to this software available\n"
                         "Do you want to check for an update?"),
                  MessageIcon::Information, MessageButtons::YesNo);
  StoreReminderDate(settings, today);
  if (answer == MessageAnswer::Yes) OpenDownloadPage();
}

void CheckForUpdateReminder() {
  QSettings settings;
  CheckForUpdateReminder(settings, QDate::currentDate());
}

}  // namespace quendal
