#include "cli/export_output.h"

#include <QLocale>

#include "chart_window/text_export.h"

namespace quendal::cli {

std::string ChartExportText(const BirthData& birth, const Chart& chart) {
  const std::string month = birth.BirthMonth >= 1 && birth.BirthMonth <= 12
                                ? QLocale::system().monthName(birth.BirthMonth).toStdString()
                                : std::string();
  return ExportChartText(birth, chart, month, chart.SunSign, chart.MoonSignName);
}

}  // namespace quendal::cli
