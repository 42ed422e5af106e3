// Retrograde periods of Mercury to Saturn, 1900 to 2051: compile-time tables generated from
// a precise ephemeris (tools/stations/regenerate.sh), one builder per planet hands them out.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

namespace quendal {

// Entry i of both lists is the i-th retrograde period, in time order: the station
// retrograde and the following station direct, in universal time, as "3,15,1900,13,19,"
// (month, day, year, hour, minute, each followed by a comma).
struct StationTable {
  std::span<const std::string_view> RetrogradeStarts;
  std::span<const std::string_view> RetrogradeEnds;
  // Day numbers (CivilDayNumber) of the station dates, worked out when compiling.
  std::span<const int> StartDays;
  std::span<const int> EndDays;
};

const StationTable& FillMercuryStations();
const StationTable& FillVenusStations();
const StationTable& FillMarsStations();
const StationTable& FillJupiterStations();
const StationTable& FillSaturnStations();

// Consecutive Gregorian dates get consecutive numbers (1970-01-01 is 0). Days past the end
// of a month run on into the next one.
constexpr int CivilDayNumber(int year, int month, int day) {
  // Counting years from March puts the leap day last, so the months before it have fixed
  // lengths and the 153/5 rule gives their offsets.
  const int shifted_year = month <= 2 ? year - 1 : year;
  const int era = (shifted_year >= 0 ? shifted_year : shifted_year - 399) / 400;
  const int year_of_era = shifted_year - era * 400;
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

// Day number of the date of a station entry; a malformed entry stops the compilation.
constexpr int StationDayNumber(std::string_view entry) {
  int fields[5] = {};
  int count = 0;
  int value = 0;
  bool has_digit = false;
  for (char c : entry) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      has_digit = true;
    } else if (c == ',' && has_digit && count < 5) {
      fields[count++] = value;
      value = 0;
      has_digit = false;
    } else {
      throw std::invalid_argument("malformed station entry");
    }
  }
  if (count != 5 || has_digit) throw std::invalid_argument("malformed station entry");
  return CivilDayNumber(fields[2], fields[0], fields[1]);
}

template <std::size_t N>
constexpr std::array<int, N> StationDayNumbers(const std::array<std::string_view, N>& entries) {
  std::array<int, N> days{};
  for (std::size_t i = 0; i < N; ++i) days[i] = StationDayNumber(entries[i]);
  return days;
}

}  // namespace quendal
