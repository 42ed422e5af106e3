#include "chart/chart_cells.h"

#include <string_view>

namespace quendal {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

void PlaceInCells(Chart& chart, const std::array<int, 10>& signs) {
  chart.SignCells = {};
  chart.HouseCells = {};
  chart.SignPictures = {};
  chart.AscendantSign = -1;
  // Bodies in table order, "Asc" last; a row with no known sign is left out of the chart.
  for (std::size_t i = 0; i < signs.size(); ++i) {
    const int sign = signs[i];
    if (sign < 0) continue;
    std::string& cell = chart.SignCells[static_cast<std::size_t>(sign)];
    cell += kLineBreak;
    cell +=
        i + 1 < signs.size() ? std::string_view(chart.ChartBodyNames[i]) : std::string_view("Asc");
  }

  for (std::size_t s = 0; s < chart.SignCells.size(); ++s) {
    if (chart.SignCells[s].find("Asc") != std::string::npos) {
      chart.AscendantSign = static_cast<int>(s);
      break;
    }
  }
  // Without an ascendant sign house h shows sign h.
  const int first_sign = chart.AscendantSign < 0 ? 0 : chart.AscendantSign;
  for (int h = 0; h < 12; ++h)
    chart.HouseCells[static_cast<std::size_t>(h)] =
        chart.SignCells[static_cast<std::size_t>((first_sign + h) % 12)];

  const int picture_sign = signs.back();
  if (picture_sign >= 0) {
    for (int h = 0; h < 12; ++h)
      chart.SignPictures[static_cast<std::size_t>(h)] = (picture_sign + h) % 12 + 1;
  }
}

}  // namespace quendal
