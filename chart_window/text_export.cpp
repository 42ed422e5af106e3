#include "chart_window/text_export.h"

#include "positions/planet_positions.h"
#include "vedic/ayanamsha.h"

namespace quendal {
namespace {

// Table rows 0 to 6 carry the names the chart shows beside them.
constexpr size_t kNamedPlanetRows = 7;

std::string Number(int value) { return std::to_string(value); }

}  // namespace

std::string ChartOptionsLine(const ChartOptions& options, double ayanamsha) {
  std::string text;
  if (options.zodiac != Zodiac::Tropical) {
    text = "Zodiac: " + ZodiacName(options) + ", Ayanamsha " + FormatAyanamsha(ayanamsha);
  }
  if (options.positions != PositionsSource::Classic) {
    if (!text.empty()) text += "; ";
    text += "Positions: " + std::string(PositionsName(options.positions));
  }
  if (options.node == NodeKind::True) text += "; Node: True";
  return text;
}

std::string ExportChartText(const BirthData& birth, const Chart& chart, std::string_view month_name,
                            std::string_view lagna, std::string_view rashi) {
  std::string out;
  const auto line = [&out](std::string_view text) {
    out += text;
    out += "\r\n";
  };
  line("Name: " + birth.PersonName);
  line("Date of Birth: " + std::string(month_name) + " " + Number(birth.BirthDay) + ", " +
       Number(birth.BirthYear));
  line("Time of Birth: " + Number(birth.BirthHour) + " Hour " + Number(birth.BirthMinute) +
       " Minute");
  line("Latitude: " + Number(birth.LatitudeDegrees) + " Degree " + Number(birth.LatitudeMinutes) +
       " Minute ");
  line("Longitude: " + Number(birth.LongitudeDegrees) + " Degree " +
       Number(birth.LongitudeMinutes) + " Minute ");
  line("City: " + birth.BirthCity);
  line("State: " + birth.BirthState);
  line("Country: " + birth.BirthCountry);
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
  line("Lagna: " + std::string(lagna));
  line("Rashi: " + std::string(rashi));
  return out;
}

}  // namespace quendal
