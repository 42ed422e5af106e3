// Birth details: who, when and where, the conventions that made the chart, and the lagna and
// Moon a reader looks for first.
#include "positions/longitude_text.h"
#include "positions/time_zones.h"
#include "positions/zone_line.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/month_name.h"
#include "vedic/ayanamsha.h"
#include "vedic/nakshatra.h"
#include "vedic/panchang.h"

namespace quendal {
namespace {

QString Coordinates(const BirthData& b) {
  return QStringLiteral("%1° %2' %3, %4° %5' %6")
      .arg(b.LatitudeDegrees)
      .arg(b.LatitudeMinutes, 2, 10, QLatin1Char('0'))
      .arg(b.LatitudeIsSouth ? QLatin1Char('S') : QLatin1Char('N'))
      .arg(b.LongitudeDegrees)
      .arg(b.LongitudeMinutes, 2, 10, QLatin1Char('0'))
      .arg(b.LongitudeIsEast ? QLatin1Char('E') : QLatin1Char('W'));
}

QString Place(const BirthData& b) {
  QStringList parts;
  for (const std::string* part : {&b.BirthCity, &b.BirthState, &b.BirthCountry})
    if (!part->empty()) parts << QString::fromStdString(*part);
  return parts.join(QStringLiteral(", "));
}

// The zone line every output shows, without its "Zone: ", and the row it came from.
QString ZoneRow(const BirthData& b, int zone_row) {
  if (zone_row < 0 || zone_row >= kTimeZoneRowCount) return {};
  QString line = QString::fromStdString(ZoneLine(zone_row, b.DaylightSaving));
  const QLatin1String prefix("Zone: ");
  if (line.startsWith(prefix)) line.remove(0, prefix.size());
  return line + QStringLiteral(", row %1").arg(zone_row);
}

// "Scorpio, 24° 17' 52" Sco": the sign in full, then the chart's own long form.
QString WithSignName(const std::string& long_text) {
  const int sign = long_text.size() >= 3
                       ? SignIndex(std::string_view(long_text).substr(long_text.size() - 3))
                       : -1;
  const QString text = QString::fromStdString(long_text);
  if (sign < 0) return text;
  return ReportText(SignFullNames[static_cast<std::size_t>(sign)]) + QStringLiteral(", ") + text;
}

}  // namespace

std::vector<ReportBlock> BirthDetailsBlocks(const ReportInput& input, const QSizeF&) {
  const BirthData& b = input.birth;
  const Chart& chart = input.chart;
  const NakshatraPlace& moon = chart.MoonNakshatra;
  const std::vector<std::pair<QString, QString>> details = {
      {QStringLiteral("Name"), QString::fromStdString(b.PersonName)},
      {QStringLiteral("Date of birth"), QStringLiteral("%1 %2, %3")
                                            .arg(LongMonthName(b.BirthMonth))
                                            .arg(b.BirthDay)
                                            .arg(b.BirthYear)},
      {QStringLiteral("Time of birth"), QStringLiteral("%1:%2 local time")
                                            .arg(b.BirthHour)
                                            .arg(b.BirthMinute, 2, 10, QLatin1Char('0'))},
      {QStringLiteral("Zone"), ZoneRow(b, input.zone_row)},
      {QStringLiteral("Place"), Place(b)},
      {QStringLiteral("Coordinates"), Coordinates(b)},
      {QStringLiteral("Zodiac"), ReportText(ZodiacName(chart.Options.zodiac))},
      {QStringLiteral("Ayanamsha"),
       ReportText(AyanamshaName(chart.Options.zodiac == Zodiac::Tropical
                                    ? AyanamshaSystem::Lahiri
                                    : chart.Options.ayanamsha)) +
           QStringLiteral(", ") + QString::fromStdString(FormatAyanamsha(chart.Ayanamsha))},
      {QStringLiteral("Positions"), ReportText(PositionsName(chart.Options.positions))},
      {QStringLiteral("Nodes"), chart.Options.node == NodeKind::True ? QStringLiteral("True node")
                                                                     : QStringLiteral("Mean node")},
      {QStringLiteral("Dasha year"), ReportText(DashaYearName(chart.Options.dasha_year))},
      {QStringLiteral("Lagna"), WithSignName(chart.AscendantText)},
      {QStringLiteral("Sun sign"), QString::fromStdString(chart.SunSign)},
      {QStringLiteral("Moon sign"), QString::fromStdString(chart.MoonSignName)},
      {QStringLiteral("Moon nakshatra"),
       QStringLiteral("%1, pada %2, lord %3")
           .arg(ReportText(kNakshatraNames[static_cast<std::size_t>(moon.index)]))
           .arg(moon.pada)
           .arg(ReportText(kDashaLords[static_cast<std::size_t>(moon.lord)]))},
  };
  std::vector<ReportRow> rows;
  for (const auto& [caption, value] : details) rows.push_back({{caption, value}});
  std::vector<ReportRow> panchang;
  for (const auto& [caption, value] : PanchangRows(CalculatePanchang(b, chart), chart))
    panchang.push_back({{QString::fromStdString(caption), QString::fromStdString(value)}});
  std::vector<ReportBlock> blocks = {
      TableBlock({0, 110}, std::move(rows)),
      TableBlock({0, 110}, std::move(panchang), {QStringLiteral("Panchang of birth"), QString()})};
  TitleFirstBlock(blocks, QStringLiteral("Birth details and panchang"));
  return blocks;
}

}  // namespace quendal
