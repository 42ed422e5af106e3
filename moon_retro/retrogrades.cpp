#include "moon_retro/retrogrades.h"

#include <algorithm>

#include "moon_retro/station_tables.h"

namespace quendal {
namespace {

constexpr std::array<std::string_view, 5> kPlanetNames = {"Mercury", "Venus", "Mars", "Jupiter",
                                                          "Saturn"};

const StationTable* TableOf(std::string_view planet_name) {
  if (planet_name == "Mercury") return &FillMercuryStations();
  if (planet_name == "Venus") return &FillVenusStations();
  if (planet_name == "Mars") return &FillMarsStations();
  if (planet_name == "Jupiter") return &FillJupiterStations();
  if (planet_name == "Saturn") return &FillSaturnStations();
  return nullptr;
}

}  // namespace

bool IsRetrograde(const BirthMoment& moment, std::string_view planet_name) {
  const StationTable* table = TableOf(planet_name);
  if (table == nullptr) return false;
  const int day = CivilDayNumber(moment.Year, moment.Month, moment.Day);
  // Periods are ordered and disjoint, so only the last one starting before the birth date
  // can contain it.
  const auto after = std::lower_bound(table->StartDays.begin(), table->StartDays.end(), day);
  if (after == table->StartDays.begin()) return false;
  const auto period = after - table->StartDays.begin() - 1;
  return day < table->EndDays[period];
}

RetrogradeMarks MarkRetrogradePlanets(const BirthData& birth) {
  const BirthMoment moment{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                           birth.BirthMinute};
  std::array<bool, 5> flags{};
  for (size_t k = 0; k < kPlanetNames.size(); ++k) flags[k] = IsRetrograde(moment, kPlanetNames[k]);
  return RetrogradeMarksOf(flags);
}

RetrogradeMarks RetrogradeMarksOf(const std::array<bool, 5>& flags) {
  RetrogradeMarks marks;
  marks.ChartBodyNames = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                          "Jupiter", "Saturn", "Rahu",    "Ketu"};
  marks.RetrogradeFlags = flags;
  for (size_t k = 0; k < flags.size(); ++k)
    if (flags[k]) marks.ChartBodyNames[k + 2] += " (R) ";
  return marks;
}

}  // namespace quendal
