#include "match/match_text.h"

#include <cmath>
#include <cstdio>

#include "chart/chart_options.h"
#include "chart/translatable.h"
#include "match/match.h"
#include "positions/longitude_text.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

MatchSide SideOf(std::string role, const MatchPerson& person, const MarsCheck& mars) {
  return {std::move(role), person.birth.PersonName, BirthLine(person.birth, person.month_name),
          MoonLine(person.chart), MarsLine(mars)};
}

}  // namespace

std::string PointsText(double points) {
  const double halves = std::round(points * 2);
  const long whole = static_cast<long>(halves) / 2;
  return std::fmod(halves, 2) == 0 ? std::to_string(whole) : std::to_string(whole) + ".5";
}

std::string TotalText(double total) {
  return PointsText(total) + " of " + PointsText(kMatchMaximum);
}

std::string TotalLine(double total) {
  const char* where = total > kCustomaryMinimum    ? "above"
                      : total == kCustomaryMinimum ? "at"
                                                   : "below";
  return TotalText(total) + ": " + where + " the customary minimum of " +
         PointsText(kCustomaryMinimum);
}

std::string DoshaLine(const MatchResult& match) {
  if (match.doshas.empty()) return QUENDAL_TRANSLATABLE("Names", "No Bhakoot dosha or Nadi dosha");
  std::string line;
  for (const std::string& dosha : match.doshas) line += (line.empty() ? "" : " and ") + dosha;
  return line;
}

std::string MarsLine(const MarsCheck& check) {
  return MarsHousesText(check) + (check.manglik ? ": Manglik" : ": not Manglik");
}

std::string MarsSummaryLine(const MarsCheck& bride, const MarsCheck& groom) {
  if (bride.manglik && groom.manglik) return QUENDAL_TRANSLATABLE("Names", "Both are Manglik.");
  if (bride.manglik) return QUENDAL_TRANSLATABLE("Names", "Only the bride is Manglik.");
  if (groom.manglik) return QUENDAL_TRANSLATABLE("Names", "Only the groom is Manglik.");
  return QUENDAL_TRANSLATABLE("Names", "Neither is Manglik.");
}

std::string MoonLine(const Chart& chart) {
  const MoonPlace moon = MoonPlaceOf(chart);
  return "Moon in " + std::string(kNakshatraNames[static_cast<std::size_t>(moon.nakshatra - 1)]) +
         ", pada " + std::to_string(moon.pada) + ", in " +
         std::string(SignFullNames[static_cast<std::size_t>(moon.sign - 1)]);
}

std::string BirthLine(const BirthData& birth, std::string_view month_name) {
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", birth.BirthHour % 100, birth.BirthMinute % 100);
  std::string line = std::string(month_name) + " " + std::to_string(birth.BirthDay) + ", " +
                     std::to_string(birth.BirthYear) + ", " + time;
  for (const std::string* place : {&birth.BirthCity, &birth.BirthState, &birth.BirthCountry}) {
    if (!place->empty()) line += ", " + *place;
  }
  return line;
}

MatchSheet MakeMatchSheet(const MatchPerson& bride, const MatchPerson& groom,
                          const MatchResult& match) {
  MatchSheet sheet;
  sheet.options_line = "Both charts: " + ZodiacAndPositionsText(bride.chart.Options);
  sheet.bride = SideOf(QUENDAL_TRANSLATABLE("Names", "Bride"), bride, match.bride_mars);
  sheet.groom = SideOf(QUENDAL_TRANSLATABLE("Names", "Groom"), groom, match.groom_mars);
  sheet.kootas = match.kootas;
  sheet.total = TotalText(match.total);
  sheet.total_line = TotalLine(match.total);
  sheet.dosha_line = DoshaLine(match);
  sheet.parihara_line = std::string(kNoPariharaLine);
  sheet.mars_summary = MarsSummaryLine(match.bride_mars, match.groom_mars);
  sheet.cancellation_line = std::string(kNoCancellationLine);
  return sheet;
}

}  // namespace quendal
