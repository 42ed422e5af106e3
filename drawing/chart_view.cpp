#include "drawing/chart_view.h"

#include "drawing/house_entries.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"
#include "vedic/divisional_signs.h"

namespace quendal {

ChartView MakeChartView(const Chart& chart, const BirthData& birth, int division, bool coloured) {
  ChartView view;
  view.chart = chart;
  view.division = division;
  view.coloured = coloured;
  view.ascendant_sign = chart.AscendantSign;
  // Without an ascendant sign house h shows sign h, as the cells do.
  const int first = chart.AscendantSign < 0 ? 0 : chart.AscendantSign;
  for (int h = 0; h < 12; ++h) {
    for (const QString& entry : CellEntries(QString::fromStdString(chart.HouseCells[h])))
      view.entries[h] << TrChartEntry(entry);
    view.house_signs[h] = (first + h) % 12;
  }
  view.chart_name = TrName(DivisionName(division));
  // quendal-chart may cast a chart without a name; the title then starts with the date.
  if (!birth.PersonName.empty()) view.title << QString::fromStdString(birth.PersonName);
  if (birth.BirthMonth >= 1 && birth.BirthMonth <= 12) {
    view.title << QStringLiteral("%1 %2, %3")
                      .arg(ShownMonthName(birth.BirthMonth))
                      .arg(birth.BirthDay)
                      .arg(birth.BirthYear);
  }
  view.title << view.chart_name;
  return view;
}

const std::array<QColor, 12>& SignPaletteColours() {
  // The sixteen-colour palette entries 0, 1, 2, 3, 4, 5, 8, then 0 to 4 again.
  static const QColor black(0, 0, 0), navy(0, 0, 128), green(0, 128, 0), teal(0, 128, 128),
      maroon(128, 0, 0), purple(128, 0, 128), grey(128, 128, 128);
  static const std::array<QColor, 12> colours = {black, navy,  green, teal,  maroon, purple,
                                                 grey,  black, navy,  green, teal,   maroon};
  return colours;
}

QColor HouseInk(const ChartView& view, int house) {
  if (!view.coloured) return kEntryInk;
  return SignPaletteColours()[view.house_signs[house]];
}

}  // namespace quendal
