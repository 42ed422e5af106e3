#include "drawing/transit_view.h"

#include <QRegularExpression>

#include "ui_common/language.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"

namespace quendal {

QString TransitEntry(const TransitBody& body) {
  return QString::fromStdString(body.name) +
         (body.retrograde ? QStringLiteral(" (T, R)") : QLatin1String(kTransitMark));
}

QString TransitCaptionText(const CivilDateTime& moment) {
  if (CurrentLanguage() == QLatin1String("en"))
    return QString::fromStdString(TransitCaption(moment));
  return TrText("TransitWindow", "Transits of %1 %2 %3 %4 over the birth chart")
      .arg(moment.day)
      .arg(ShownMonthName(moment.month))
      .arg(moment.year)
      .arg(QStringLiteral("%1:%2")
               .arg(moment.hour, 2, 10, QLatin1Char('0'))
               .arg(moment.minute, 2, 10, QLatin1Char('0')));
}

QString ReentryText(const std::string& english) {
  static const QRegularExpression reentry(QStringLiteral("^Back in (\\w+) from (\\S+) to (\\S+)$"));
  const QString text = QString::fromStdString(english);
  const auto m = reentry.match(text);
  if (!m.hasMatch()) return text;
  return TrText("TransitWindow", "Back in %1 from %2 to %3")
      .arg(TrName(m.captured(1).toStdString()), m.captured(2), m.captured(3));
}

ChartView TransitChartView(ChartView view, const Transits& transits) {
  for (const TransitBody& body : transits.bodies) {
    // house_signs[0] is the natal first house, whatever the style.
    const int house = (body.sign - view.house_signs[0] + 12) % 12;
    const QString entry = TransitEntry(body);
    view.entries[static_cast<std::size_t>(house)] << TrChartEntry(entry);
    view.chart.HouseCells[static_cast<std::size_t>(house)] += "\r\n" + entry.toStdString();
  }
  view.chart_name = TransitCaptionText(transits.moment);
  if (!view.title.isEmpty()) view.title.back() = view.chart_name;
  return view;
}

}  // namespace quendal
