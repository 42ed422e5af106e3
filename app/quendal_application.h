// The one application object: owns the birth-data form, the chart window while a chart is
// shown, and the session state both read. It moves the user between the two windows and ends
// the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "birth/chart_session.h"

namespace quendal {

class frmMain;
class MDI;

class QuendalApplication : public QObject {
  Q_OBJECT

 public:
  QuendalApplication();
  ~QuendalApplication() override;

  // Start-up after the single-instance guard: load the form, raise a random offer, run the
  // update reminder, show the form.
  void Start();

  frmMain* Form() const { return form_.get(); }
  MDI* ChartWindow() const;
  ChartSession& Session() { return session_; }

  // How the process ends once every window is closed; tests record the call instead.
  void SetEndHandler(std::function<void()> end) { end_ = std::move(end); }

 public slots:
  void ShowChart();        // the chart in the session: chart window shown, form hidden
  void Back();             // close the chart window, then show the form
  void New();              // show the form, then close the chart window
  void UnloadAllAndEnd();  // every window closed, then the process ends

 private:
  void CheckForUpdateReminder();
  void CloseChartWindow();

  ChartSession session_;
  std::unique_ptr<frmMain> form_;
  QPointer<MDI> chart_window_;
  std::function<void()> end_;
  bool ending_ = false;
};

}  // namespace quendal
