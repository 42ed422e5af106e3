#include "app/quendal_application.h"

#include <QCoreApplication>
#include <QSettings>

#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/chart_options_menu.h"
#include "chart_window/frmDisplay.h"
#include "shell/update_reminder_check.h"

namespace quendal {

QuendalApplication::QuendalApplication()
    : form_(std::make_unique<frmMain>(session_)), end_([] { QCoreApplication::exit(0); }) {
  session_.options = LoadChartOptions(QSettings());
  connect(form_.get(), &frmMain::ChartCalculated, this, &QuendalApplication::ShowChart);
  connect(form_.get(), &frmMain::ExitRequested, this, &QuendalApplication::UnloadAllAndEnd);
}

QuendalApplication::~QuendalApplication() { delete chart_window_.data(); }

MDI* QuendalApplication::ChartWindow() const { return chart_window_; }

void QuendalApplication::Start() {
  form_->RaiseRandomOffer();
  CheckForUpdateReminder();
  form_->show();
}

// After the form is loaded and before it is shown.
void QuendalApplication::CheckForUpdateReminder() { quendal::CheckForUpdateReminder(); }

void QuendalApplication::ShowChart() {
  if (!chart_window_) {
    // The chart child reads the birth details as it is created, so the session is complete.
    chart_window_ = new MDI(session_);
    connect(chart_window_, &MDI::BackRequested, this, &QuendalApplication::Back);
    connect(chart_window_, &MDI::NewRequested, this, &QuendalApplication::New);
    connect(chart_window_, &MDI::ExitRequested, this, &QuendalApplication::UnloadAllAndEnd);
  }
  chart_window_->Display()->FillChart(session_.chart);
  chart_window_->show();
  chart_window_->activateWindow();
  form_->hide();
}

void QuendalApplication::CloseChartWindow() {
  MDI* window = chart_window_;
  chart_window_ = nullptr;
  if (!window) return;
  // Hidden and deleted rather than closed: a close would read as the close box, which ends
  // the program. Deleted later because Back and New arrive from the window's own handlers.
  window->hide();
  window->deleteLater();
}

void QuendalApplication::Back() {
  CloseChartWindow();
  form_->show();
  form_->activateWindow();
}

void QuendalApplication::New() {
  form_->show();
  form_->activateWindow();
  CloseChartWindow();
}

void QuendalApplication::UnloadAllAndEnd() {
  if (ending_) return;  // closing a window reports its own close box again
  ending_ = true;
  if (MDI* window = chart_window_) {
    chart_window_ = nullptr;
    window->close();
    window->deleteLater();
  }
  form_->close();
  end_();
}

}  // namespace quendal
