// Reads a station entry such as "3,15,1900,13,19," with the standard library's calendar, so
// the tests judge the tables without the lookup's own day arithmetic.
#pragma once

#include <chrono>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace quendal::test {

struct StationMoment {
  std::chrono::sys_days date;
  std::chrono::sys_time<std::chrono::minutes> minute;
};

// Empty unless the text has the exact form: five decimal fields without leading zeros,
// each followed by a comma, a valid Gregorian date and a time of day.
inline std::optional<StationMoment> ReadStation(std::string_view text) {
  static const std::regex form(
      "([1-9][0-9]*),([1-9][0-9]*),([1-9][0-9]{3}),(0|[1-9][0-9]?),(0|[1-9][0-9]?),");
  std::cmatch fields;
  if (!std::regex_match(text.begin(), text.end(), fields, form)) return std::nullopt;
  const int month = std::stoi(fields[1]), day = std::stoi(fields[2]), year = std::stoi(fields[3]);
  const int hour = std::stoi(fields[4]), minute = std::stoi(fields[5]);
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || hour > 23 || minute > 59) return std::nullopt;
  const std::chrono::sys_days days{date};
  return StationMoment{days, days + std::chrono::hours{hour} + std::chrono::minutes{minute}};
}

}  // namespace quendal::test
