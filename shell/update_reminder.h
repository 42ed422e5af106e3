// When the start-up reminder offers to look for an update: the decision alone, and the text
// form in which the reminder date is kept between runs.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

enum class ReminderStep {
  StoreToday,    // no reminder date yet: remember today, ask nothing
  Nothing,       // within two weeks of the reminder date either way
  AskThenStore,  // ask, then remember today whatever the answer
};

// Whole calendar days from today to the reminder date; negative when it lies in the past.
int DaysFromTodayTo(std::chrono::year_month_day today, std::chrono::year_month_day reminder);

ReminderStep DecideUpdateReminder(std::optional<std::chrono::year_month_day> reminder,
                                  std::chrono::year_month_day today);

// "YYYY-MM-DD". Anything else, or a date that does not exist, reads as no date at all.
std::optional<std::chrono::year_month_day> ParseReminderDate(std::string_view text);
std::string FormatReminderDate(std::chrono::year_month_day date);

}  // namespace quendal
