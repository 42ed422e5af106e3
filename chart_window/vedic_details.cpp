#include "chart_window/vedic_details.h"

#include <QLabel>

#include "birth/chart_calculation.h"
#include "chart_window/chart_layout.h"
#include "positions/longitude_text.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
#include "vedic/ayanamsha.h"

namespace quendal {
namespace {

void SetRow(QWidget* display, const char* name, const QString& text) {
  if (auto* label = display->findChild<QLabel*>(QLatin1String(name))) label->setText(text);
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
  SetRow(display, "lblNakshatra", TrName(kNakshatraNames[static_cast<size_t>(moon.index)]));
  SetRow(display, "lblPada", QString::number(moon.pada));
  SetRow(display, "lblLord", TrName(kDashaLords[static_cast<size_t>(moon.lord)]));
  SetRow(display, "lblAyanamsha", QString::fromStdString(FormatAyanamsha(chart.Ayanamsha)));
  SetRow(display, "lblLagnaPosition", TrLongitude(QString::fromStdString(chart.AscendantText)));
  SetRow(display, "lblChartOptions", TrName(DescribeChartOptions(chart.Options)));
}

}  // namespace quendal
