#include "shell/update_reminder.h"

#include <cstdio>

namespace quendal {
namespace {

// The question stays away for two weeks after it was last asked, and also when the clock
// was set back by less than that.
constexpr int kQuietDays = 14;

std::optional<int> Digits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

int DaysFromTodayTo(std::chrono::year_month_day today, std::chrono::year_month_day reminder) {
  return (std::chrono::sys_days(reminder) - std::chrono::sys_days(today)).count();
}

ReminderStep DecideUpdateReminder(std::optional<std::chrono::year_month_day> reminder,
                                  std::chrono::year_month_day today) {
  if (!reminder) return ReminderStep::StoreToday;
  const int days = DaysFromTodayTo(today, *reminder);
  if (days >= -kQuietDays && days <= kQuietDays) return ReminderStep::Nothing;
  return ReminderStep::AskThenStore;
}

std::optional<std::chrono::year_month_day> ParseReminderDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Digits(text.substr(0, 4));
  const auto month = Digits(text.substr(5, 2));
  const auto day = Digits(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string FormatReminderDate(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

}  // namespace quendal
