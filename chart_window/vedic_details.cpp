#include "chart_window/vedic_details.h"

#include <QLabel>

#include "birth/chart_calculation.h"
#include "chart_window/chart_layout.h"
#include "positions/longitude_text.h"
#include "ui_common/layout.h"
#include "vedic/ayanamsha.h"

namespace quendal {
namespace {

void SetRow(QWidget* display, const char* name, const std::string& text) {
  if (auto* label = display->findChild<QLabel*>(QLatin1String(name)))
    label->setText(QString::fromStdString(text));
}

}  // namespace

void AddChartOptionsLine(QWidget* display) {
  auto* line = new QLabel(display);
  line->setObjectName(QStringLiteral("lblChartOptions"));
  line->setGeometry(TwipsRect(kChartOptionsBox.left, kChartOptionsBox.top, kChartOptionsBox.width,
                              kChartOptionsBox.height));
  line->setFont(VerdanaFont(8.25, true));
  line->setAlignment(Qt::AlignCenter);
}

void FillVedicDetails(QWidget* display, const Chart& chart) {
  const NakshatraPlace& moon = chart.MoonNakshatra;
  SetRow(display, "lblNakshatra", std::string(kNakshatraNames[static_cast<size_t>(moon.index)]));
  SetRow(display, "lblPada", std::to_string(moon.pada));
  SetRow(display, "lblLord", std::string(kDashaLords[static_cast<size_t>(moon.lord)]));
  SetRow(display, "lblAyanamsha", FormatAyanamsha(chart.Ayanamsha));
  SetRow(display, "lblLagnaPosition", chart.AscendantText);
  SetRow(display, "lblChartOptions", DescribeChartOptions(chart.Options));
}

}  // namespace quendal
