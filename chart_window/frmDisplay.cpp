#include "chart_window/frmDisplay.h"

namespace quendal {

// Placeholder until the chart child lands.
frmDisplay::frmDisplay(const BirthData&, QWidget* parent) : QWidget(parent) {}

void frmDisplay::FillChart(const Chart&) {}

}  // namespace quendal
