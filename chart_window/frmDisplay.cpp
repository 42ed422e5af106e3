#include "chart_window/frmDisplay.h"

namespace quendal {

// Placeholder until the chart child lands.
frmDisplay::frmDisplay(const BirthData&, QWidget* parent) : QWidget(parent) {}

void frmDisplay::FillChart(const Chart&) {}

QImage frmDisplay::Snapshot() const { return {}; }

void frmDisplay::SetSnapshot(const QImage&) {}

}  // namespace quendal
