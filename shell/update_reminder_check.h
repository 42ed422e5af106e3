// The start-up reminder: now and then asks whether to look for an update and, on Yes,
// opens the download page. The reminder date lives in the given settings.
#pragma once

#include <QDate>

class QSettings;
class QWidget;

namespace quendal {

// The settings key of the reminder date, kept as "YYYY-MM-DD".
inline constexpr char kReminderDateKey[] = "UpdateReminder/Date";

void CheckForUpdateReminder(QSettings& settings, QDate today, QWidget* parent = nullptr);

// The user's own settings (organisation and application names as set in main) and today's
// date from the system clock.
void CheckForUpdateReminder();

}  // namespace quendal
