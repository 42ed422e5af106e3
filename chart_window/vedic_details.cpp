#include "chart_window/vedic_details.h"

#include <QLabel>

#include "drawing/chart_layout.h"
#include "drawing/chart_page.h"
#include "ui_common/layout.h"

namespace quendal {

void AddChartOptionsLine(QWidget* display) {
  auto* line = new QLabel(display);
  line->setObjectName(QStringLiteral("lblChartOptions"));
  line->setGeometry(TwipsRect(kChartOptionsBox.left, kChartOptionsBox.top, kChartOptionsBox.width,
                              kChartOptionsBox.height));
  line->setFont(VerdanaFont(8.25, true));
  line->setAlignment(Qt::AlignCenter);
}

void FillVedicDetails(QWidget* display, const ChartPage& page) {
  // The two signs are the driver's, written before.
  for (size_t i = 2; i < kVedicRows.size(); ++i) {
    if (auto* label = display->findChild<QLabel*>(QLatin1String(kVedicRows[i].value_name)))
      label->setText(page.other[i]);
  }
  if (auto* line = display->findChild<QLabel*>(QStringLiteral("lblChartOptions")))
    line->setText(page.options_line);
}

}  // namespace quendal
