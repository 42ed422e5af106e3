#include "cli/dasha_output.h"

#include <iomanip>

#include "chart_text/chart_lines.h"
#include "chart_text/dasha_json.h"
#include "chart_text/json_text.h"
#include "cli/compact_json.h"
#include "vedic/dasha_levels.h"

namespace quendal::cli {
namespace {

std::string LordOf(const DashaPeriod& period) {
  return std::string(kDashaLords[static_cast<std::size_t>(period.lord)]);
}

}  // namespace

void WriteReadableDasha(std::ostream& out, const Chart& chart, int levels) {
  const Dasha dasha = DashaOfChart(chart);
  out << "Vimshottari dasha (a year is " << NumberText(DashaYearDays(chart.Options.dasha_year))
      << " days)\n"
      << DashaMoonLine(chart.MoonNakshatra) << "\n";
  // The level-2 table stays as it always was; the balance and the ages come with the others.
  const bool ages = levels != 2;
  if (ages) out << DashaBalanceLine(dasha) << "\n";
  out << "\n";
  if (levels == 3) {
    out << "Mahadasha  Antardasha Pratyantar Start       End         Age at start\n";
  } else if (ages) {
    out << "Mahadasha  Start       End         Age at start\n";
  } else {
    out << "Mahadasha  Antardasha Start       End\n";
  }
  const auto row = [&](const char* indent, int width, const DashaPeriod& period) {
    out << indent << std::left << std::setw(width) << LordOf(period) << IsoDate(period.start)
        << "  " << IsoDate(period.end);
    if (ages) out << "  " << AgeText(chart.BirthDay, period.start);
    out << "\n";
  };
  const int lord_width = levels == 3 ? 33 : levels == 2 ? 22 : 11;
  for (const Mahadasha& maha : dasha) {
    row("", lord_width, maha);
    if (levels < 2) continue;
    for (const DashaPeriod& sub : maha.antardashas) {
      row("           ", lord_width - 11, sub);
      if (levels < 3) continue;
      for (const DashaPeriod& third : Pratyantardashas(sub))
        row("                      ", 11, third);
    }
  }
}

QJsonArray DashaJson(const Chart& chart, int levels) {
  std::string compact;
  AppendDashaJson(compact, DashaOfChart(chart), levels);
  return JsonArrayOf(compact);
}

QJsonObject DashaBalanceJson(const Chart& chart) {
  std::string compact;
  AppendDashaBalanceJson(compact, DashaOfChart(chart));
  return JsonObjectOf(compact);
}

}  // namespace quendal::cli
