#include "cli/export_output.h"

#include "chart_window/text_export.h"
#include "ui_common/month_name.h"

namespace quendal::cli {

std::string ChartExportText(const BirthData& birth, const Chart& chart) {
  return ExportChartText(birth, chart, LongMonthName(birth.BirthMonth).toStdString());
}

}  // namespace quendal::cli
