#include "chart_text/chart_lines.h"

#include "positions/text_blanks.h"
#include "vedic/ayanamsha.h"
#include "vedic/dasha_levels.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

std::string Number(int value) { return std::to_string(value); }

std::string Angle(const char* caption, int degrees, int minutes) {
  return std::string(caption) + Number(degrees) + " Degree " + Number(minutes) + " Minute";
}

}  // namespace

BirthDetailTexts BirthDetails(const BirthData& birth, std::string_view month_name) {
  return {"Name: " + birth.PersonName,
          "Date of Birth: " + std::string(month_name) + " " + Number(birth.BirthDay) + ", " +
              Number(birth.BirthYear),
          "Time of Birth: " + Number(birth.BirthHour) + " Hour " + Number(birth.BirthMinute) +
              " Minute",
          Angle("Latitude: ", birth.LatitudeDegrees, birth.LatitudeMinutes),
          Angle("Longitude: ", birth.LongitudeDegrees, birth.LongitudeMinutes),
          "City: " + birth.BirthCity,
          "State: " + birth.BirthState,
          "Country: " + birth.BirthCountry};
}

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

std::string NakshatraText(const NakshatraPlace& moon) {
  return std::string(kNakshatraNames[static_cast<std::size_t>(moon.index)]) + ", pada " +
         Number(moon.pada) + ", lord " +
         std::string(kDashaLords[static_cast<std::size_t>(moon.lord)]);
}

std::string DashaMoonLine(const NakshatraPlace& moon) { return "Moon in " + NakshatraText(moon); }

std::string DashaBalanceLine(const Dasha& dasha) {
  return "Balance at birth: " + DashaBalanceText(dasha);
}

std::string DashaBalanceShortText(const Dasha& dasha) {
  const CalendarSpan span = DashaBalance(dasha);
  return std::string(kDashaLords[static_cast<std::size_t>(dasha[0].lord)]) + " " +
         Number(span.years) + " y " + Number(span.months) + " m " + Number(span.days) + " d";
}

std::vector<std::string> CellEntryTexts(std::string_view cell) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= cell.size()) {
    auto end = cell.find("\r\n", start);
    if (end == std::string_view::npos) end = cell.size();
    const std::string_view entry = TrimBlanks(cell.substr(start, end - start));
    if (!entry.empty()) entries.emplace_back(entry);
    start = end + 2;
  }
  return entries;
}

std::string CellLine(std::string_view cell) {
  std::string line;
  for (const std::string& entry : CellEntryTexts(cell)) {
    if (!line.empty()) line += ", ";
    line += entry;
  }
  return line.empty() ? "-" : line;
}

}  // namespace quendal
