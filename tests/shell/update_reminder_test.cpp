#include "shell/update_reminder.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr year_month_day Date(int y, unsigned m, unsigned d) {
  return year_month_day{year(y), month(m), day(d)};
}

TEST(UpdateReminder, CountsWholeCalendarDaysAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(DaysFromTodayTo(Date(2024, 2, 28), Date(2024, 3, 1)), 2);
  EXPECT_EQ(DaysFromTodayTo(Date(2023, 2, 28), Date(2023, 3, 1)), 1);
  EXPECT_EQ(DaysFromTodayTo(Date(2027, 1, 5), Date(2026, 12, 22)), -14);
  EXPECT_EQ(DaysFromTodayTo(Date(2000, 1, 1), Date(2001, 1, 1)), 366);
}

TEST(UpdateReminder, AsksOnlyMoreThanTwoWeeksFromTheReminderDate) {
  const year_month_day today = Date(2026, 12, 8);
  const auto reminder_in = [&](int days) {
    return year_month_day(std::chrono::sys_days(today) + std::chrono::days(days));
  };
  EXPECT_EQ(DecideUpdateReminder(std::nullopt, today), ReminderStep::StoreToday);
  EXPECT_EQ(DecideUpdateReminder(reminder_in(-15), today), ReminderStep::AskThenStore);
  EXPECT_EQ(DecideUpdateReminder(reminder_in(-14), today), ReminderStep::Nothing);
  EXPECT_EQ(DecideUpdateReminder(reminder_in(0), today), ReminderStep::Nothing);
  EXPECT_EQ(DecideUpdateReminder(reminder_in(14), today), ReminderStep::Nothing);
  // A clock set back by more than two weeks also brings the question.
  EXPECT_EQ(DecideUpdateReminder(reminder_in(15), today), ReminderStep::AskThenStore);
}

TEST(UpdateReminder, StoredTextRoundTripsAndAnythingElseIsNoDate) {
  EXPECT_EQ(FormatReminderDate(Date(2026, 3, 7)), "2026-03-07");
  EXPECT_EQ(ParseReminderDate("2026-03-07"), Date(2026, 3, 7));
  EXPECT_EQ(ParseReminderDate("2024-02-29"), Date(2024, 2, 29));
  for (const char* text :
       {"", "yesterday", "2026-3-7", "2026-03-07 ", " 2026-03-07", "2026/03/07", "2026-13-01",
        "2026-00-10", "2025-02-29", "2026-04-31", "+026-03-07", "2026-03-0x"}) {
    EXPECT_EQ(ParseReminderDate(text), std::nullopt) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace quendal
