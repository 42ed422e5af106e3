#include "cli/chart_pdf.h"

#include "drawing/chart_page.h"
#include "drawing/page_pdf.h"
#include "positions/zone_line.h"
#include "ui_common/safe_write.h"

namespace quendal::cli {

std::optional<ChartStyle> ParseChartStyle(const QString& name) {
  if (name == QLatin1String("north")) return ChartStyle::North;
  if (name == QLatin1String("south")) return ChartStyle::South;
  if (name == QLatin1String("natal")) return ChartStyle::Natal;
  return std::nullopt;
}

bool WriteChartPdfFile(const QString& path, const BirthData& birth, int zone_row,
                       const Chart& chart, int division, ChartStyle style, QString& reason) {
  ChartPage page = MakeChartPage(birth, chart, style, division, false);
  page.notes = {QString::fromStdString(ZoneLine(zone_row, birth.DaylightSaving))};
  const QString title = page.view.title.join(QStringLiteral(", "));
  return WriteFileSafely(
      path,
      [&](QIODevice& device, QString& why) { return WriteChartPdf(device, page, title, why); },
      reason);
}

}  // namespace quendal::cli
