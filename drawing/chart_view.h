// What a chart drawing shows: the houses with their entries and signs, the chart's name and
// title lines, and the colour style. Every style draws from one of these.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>

#include "chart/birth_data.h"
#include "chart/view_choices.h"
#include "birth/chart_calculation.h"

namespace quendal {

struct ChartView {
  Chart chart;                          // the cells drawn (a divisional chart's, perhaps)
  std::array<QStringList, 12> entries;  // per house, house 1 first
  std::array<int, 12> house_signs{};    // 0 = Aries
  int ascendant_sign = -1;              // -1: no ascendant cell
  int division = 1;
  QString chart_name;  // "Navamsa (D9)"
  QStringList title;   // name, date of birth, chart name
  bool coloured = false;
};

// The view of chart (already divided, when division is not 1) for birth.
ChartView MakeChartView(const Chart& chart, const BirthData& birth, int division, bool coloured);

// The ink of the entries of a house: the palette colour of its sign when coloured.
QColor HouseInk(const ChartView& view, int house);

// Text colours of the twelve signs, Aries first, on the colour style On.
const std::array<QColor, 12>& SignPaletteColours();

// The ink of body names with colours off.
inline const QColor kEntryInk(0x1c, 0x24, 0x4a);

}  // namespace quendal
