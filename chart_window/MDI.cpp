#include "chart_window/MDI.h"

#include "chart_window/frmDisplay.h"

namespace quendal {

// Placeholder until the chart window lands.
MDI::MDI(ChartSession& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  display_ = new frmDisplay(session_.birth_data, this);
  setCentralWidget(display_);
}

}  // namespace quendal
