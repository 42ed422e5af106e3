#include "cli/chart_output.h"

#include <array>
#include <iomanip>
#include <string_view>

#include "chart_text/chart_lines.h"
#include "cli/compact_json.h"
#include "cli/quoted_value.h"
#include "positions/longitude_text.h"
#include "positions/time_zones.h"
#include "ui_common/month_name.h"
#include "vedic/ayanamsha.h"

namespace quendal::cli {
namespace {

// Row order of the positions table; the report spells out what the chart abbreviates.
constexpr std::array<std::string_view, 10> kRowNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};

std::string Padded(std::string_view text, std::size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

}  // namespace

QJsonObject ChartJson(const Chart& chart, const JsonTables& tables) {
  ChartJsonExtras extras;
  extras.tables = tables;
  std::string compact;
  AppendChartJson(compact, chart, extras);
  return JsonObjectOf(compact);
}

void WriteReadableChart(std::ostream& out, const BirthRequest& request, const Chart& chart) {
  const BirthData& b = request.birth;
  const BirthDetailTexts lines = BirthDetails(b, LongMonthName(b.BirthMonth).toStdString());
  const auto& zones = FillTimeZoneTable();
  out << EscapeControls(lines.name) << "\n"
      << EscapeControls(lines.city) << "\n"
      << EscapeControls(lines.state) << "\n"
      << EscapeControls(lines.country) << "\n"
      << lines.date << "\n"
      << lines.time << "\n"
      << "Time Zone: " << zones.TimeZoneNames[static_cast<std::size_t>(request.zone_row)]
      << " (row " << request.zone_row << ")" << (b.DaylightSaving ? ", daylight saving" : "")
      << "\n"
      << lines.latitude << " " << (b.LatitudeIsSouth ? "South" : "North") << "\n"
      << lines.longitude << " " << (b.LongitudeIsEast ? "East" : "West") << "\n";
  if (!chart.Options.IsDefault()) out << ChartOptionsLine(chart.Options, chart.Ayanamsha) << "\n";
  out << "\n";

  const std::array<const std::string*, 10> long_texts = {
      &chart.PlanetTexts[2], &chart.MoonText,       &chart.PlanetTexts[0], &chart.PlanetTexts[1],
      &chart.PlanetTexts[3], &chart.PlanetTexts[4], &chart.PlanetTexts[5], &chart.RahuText,
      &chart.KetuText,       &chart.AscendantText};
  out << "Planetary Position\n";
  for (std::size_t i = 0; i < kRowNames.size(); ++i) {
    const bool retrograde = i >= 2 && i <= 6 && chart.RetrogradeFlags[i - 2];
    out << "  " << Padded(kRowNames[i], 11) << chart.PositionsTable[i] << "   " << *long_texts[i]
        << (retrograde ? "  (R)" : "") << "\n";
  }
  out << "\nSun Sign: " << chart.SunSign << "\n"
      << "Moon Sign: " << chart.MoonSignName << "\n"
      << "Nakshatra: " << NakshatraText(chart.MoonNakshatra) << "\n"
      << "Ayanamsha: " << FormatAyanamsha(chart.Ayanamsha) << "\n\n"
      << "Houses\n";
  for (std::size_t h = 0; h < chart.HouseCells.size(); ++h) {
    const int picture = chart.SignPictures[h];
    const std::string_view sign =
        picture > 0 ? SignFullNames[static_cast<std::size_t>(picture - 1)] : "?";
    out << "  " << std::setw(2) << h + 1 << "  " << Padded(sign, 13)
        << CellLine(chart.HouseCells[h]) << "\n";
  }
}

void WriteZoneList(std::ostream& out) {
  const auto& zones = FillTimeZoneTable();
  for (int row = 0; row < kTimeZoneRowCount; ++row)
    out << std::setw(2) << row << "  " << zones.TimeZoneNames[static_cast<std::size_t>(row)]
        << "\n";
}

}  // namespace quendal::cli
