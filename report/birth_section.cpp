// Birth details: who, when and where, the conventions that made the chart, and the lagna and
// Moon a reader looks for first.
#include "chart_text/chart_lines.h"
#include "positions/longitude_text.h"
#include "positions/time_zones.h"
#include "positions/zone_line.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"
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
  QString line = ReportText(ZoneLine(zone_row, b.DaylightSaving));
  const QLatin1String prefix("Zone: ");
  if (line.startsWith(prefix)) line.remove(0, prefix.size());
  return line + TrText("Report", ", row %1").arg(zone_row);
}

// "Scorpio, 24° 17' 52" Sco": the sign in full, then the chart's own long form.
QString WithSignName(const std::string& long_text) {
  const int sign = long_text.size() >= 3
                       ? SignIndex(std::string_view(long_text).substr(long_text.size() - 3))
                       : -1;
  const QString text = TrLongitude(QString::fromStdString(long_text));
  if (sign < 0) return text;
  return TrName(SignFullNames[static_cast<std::size_t>(sign)]) + QStringLiteral(", ") + text;
}

}  // namespace

std::vector<ReportBlock> BirthDetailsBlocks(const ReportInput& input, const QSizeF&) {
  const BirthData& b = input.birth;
  const Chart& chart = input.chart;
  const NakshatraPlace& moon = chart.MoonNakshatra;
  const std::vector<std::pair<QString, QString>> details = {
      {TrText("Report", "Name"), QString::fromStdString(b.PersonName)},
      {TrText("Report", "Date of birth"), QStringLiteral("%1 %2, %3")
                                              .arg(ShownMonthName(b.BirthMonth))
                                              .arg(b.BirthDay)
                                              .arg(b.BirthYear)},
      {TrText("Report", "Time of birth"), TrText("Report", "%1:%2 local time")
                                              .arg(b.BirthHour)
                                              .arg(b.BirthMinute, 2, 10, QLatin1Char('0'))},
      {TrText("Report", "Zone"), ZoneRow(b, input.zone_row)},
      {TrText("Report", "Place"), Place(b)},
      {TrText("Report", "Coordinates"), Coordinates(b)},
      {TrText("Report", "Zodiac"), TrName(ZodiacName(chart.Options.zodiac))},
      {TrText("Report", "Ayanamsha"),
       TrName(AyanamshaName(chart.Options.zodiac == Zodiac::Tropical ? AyanamshaSystem::Lahiri
                                                                     : chart.Options.ayanamsha)) +
           QStringLiteral(", ") + QString::fromStdString(FormatAyanamsha(chart.Ayanamsha))},
      {TrText("Report", "Positions"), TrName(PositionsName(chart.Options.positions))},
      {TrText("Report", "Nodes"), chart.Options.node == NodeKind::True
                                      ? TrText("Report", "True node")
                                      : TrText("Report", "Mean node")},
      {TrText("Report", "Dasha year"), TrName(DashaYearName(chart.Options.dasha_year))},
      {TrText("Report", "Lagna"), WithSignName(chart.AscendantText)},
      {TrText("Report", "Sun sign"), TrName(chart.SunSign)},
      {TrText("Report", "Moon sign"), TrName(chart.MoonSignName)},
      {TrText("Report", "Moon nakshatra"),
       TrText("Report", "%1, pada %2, lord %3")
           .arg(TrName(kNakshatraNames[static_cast<std::size_t>(moon.index)]))
           .arg(moon.pada)
           .arg(TrName(kDashaLords[static_cast<std::size_t>(moon.lord)]))},
  };
  std::vector<ReportRow> rows;
  for (const auto& [caption, value] : details) {
    rows.push_back({{caption, value}});
    if (caption == TrText("Report", "Coordinates") && !input.place_note.isEmpty())
      rows.push_back({{TrText("Report", "Atlas"), input.place_note}});
  }
  std::vector<ReportRow> panchang;
  for (const auto& [caption, value] : PanchangRows(CalculatePanchang(b, chart), chart))
    panchang.push_back({{TrName(caption), TrName(value)}});
  std::vector<ReportBlock> blocks = {
      TableBlock({0, 110}, std::move(rows)),
      TableBlock({0, 110}, std::move(panchang),
                 {TrText("Report", "Panchang of birth"), QString()})};
  TitleFirstBlock(blocks, TrText("Report", "Birth details and panchang"));
  return blocks;
}

}  // namespace quendal
