#include "chart_window/text_export.h"

#include "chart_text/chart_lines.h"
#include "positions/planet_positions.h"

namespace quendal {
namespace {

// Table rows 0 to 6 carry the names the chart shows beside them.
constexpr size_t kNamedPlanetRows = 7;

}  // namespace

std::string ExportChartText(const BirthData& birth, const Chart& chart,
                            std::string_view month_name) {
  std::string out;
  const auto line = [&out](std::string_view text) {
    out += text;
    out += "\r\n";
  };
  const BirthDetailTexts details = BirthDetails(birth, month_name);
  line(details.name);
  line(details.date);
  line(details.time);
  // The coordinate lines end in a blank, as they always have.
  line(details.latitude + " ");
  line(details.longitude + " ");
  line(details.city);
  line(details.state);
  line(details.country);
  // A lone carriage return as the line's content: the bytes read 0D 0D 0A.
  line("\r");
  line("Planetary Position");
  for (size_t row = 0; row < kNamedPlanetRows; ++row) {
    line(std::string(BodyNames[row]) + " " + chart.PositionsTable[row]);
  }
  // Rows 7 to 9 of the table are Rahu, Ketu and the ascendant; each gets its own name so
  // that every body of the chart is in the file.
  line("Rahu " + chart.PositionsTable[7]);
  line("Ketu " + chart.PositionsTable[8]);
  line("Asc " + chart.PositionsTable[9]);
  line("\r");
  if (!chart.Options.IsDefault()) line(ChartOptionsLine(chart.Options, chart.Ayanamsha));
  line("Lagna: " + chart.SunSign);
  line("Rashi: " + chart.MoonSignName);
  return out;
}

}  // namespace quendal
