#include "cli/chart_csv.h"

#include <array>
#include <charconv>

#include "cli/csv_writer.h"
#include "vedic/nakshatra.h"

namespace quendal::cli {
namespace {

// Table order, as Longitudes and PositionsTable hold them.
constexpr std::array<std::string_view, 10> kBodies = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};
constexpr std::array<std::string_view, 5> kRetrogradeBodies = {"Mercury", "Venus", "Mars",
                                                               "Jupiter", "Saturn"};
// Longitudes, positions, two signs, the flags, nakshatra, pada, lord.
constexpr std::size_t kChartCells = 10 + 10 + 2 + 5 + 3;

}  // namespace

void AppendChartCsvHeader(std::string& out) {
  for (std::string_view body : kBodies) (out += ',').append(body) += "Longitude";
  for (std::string_view body : kBodies) (out += ',').append(body) += "Position";
  out += ",SunSign,MoonSign";
  for (std::string_view body : kRetrogradeBodies) (out += ',').append(body) += "Retrograde";
  out += ",Nakshatra,Pada,NakshatraLord,Error";
}

void AppendChartCsvCells(std::string& out, const Chart& chart) {
  char digits[32];
  for (double longitude : chart.Longitudes) {
    out += ',';
    out.append(digits, std::to_chars(digits, digits + sizeof digits, longitude).ptr);
  }
  for (const std::string& entry : chart.PositionsTable) AppendCsvCell(out, entry);
  AppendCsvCell(out, chart.SunSign);
  AppendCsvCell(out, chart.MoonSignName);
  for (bool flag : chart.RetrogradeFlags) out += flag ? ",true" : ",false";
  const NakshatraPlace& moon = chart.MoonNakshatra;
  AppendCsvCell(out, kNakshatraNames[static_cast<std::size_t>(moon.index)]);
  out += ',' + std::to_string(moon.pada);
  AppendCsvCell(out, kDashaLords[static_cast<std::size_t>(moon.lord)]);
  out += ',';
}

void AppendChartCsvError(std::string& out, std::string_view error) {
  out.append(kChartCells, ',');
  AppendCsvCell(out, error);
}

}  // namespace quendal::cli
