#include "chart_window/transit_view.h"

namespace quendal {

QString TransitEntry(const TransitBody& body) {
  return QString::fromStdString(body.name) +
         (body.retrograde ? QStringLiteral(" (T, R)") : QLatin1String(kTransitMark));
}

ChartView TransitChartView(ChartView view, const Transits& transits) {
  for (const TransitBody& body : transits.bodies) {
    // house_signs[0] is the natal first house, whatever the style.
    const int house = (body.sign - view.house_signs[0] + 12) % 12;
    const QString entry = TransitEntry(body);
    view.entries[static_cast<std::size_t>(house)] << entry;
    view.chart.HouseCells[static_cast<std::size_t>(house)] += "\r\n" + entry.toStdString();
  }
  view.chart_name = QString::fromStdString(TransitCaption(transits.moment));
  if (!view.title.isEmpty()) view.title.back() = view.chart_name;
  return view;
}

}  // namespace quendal
