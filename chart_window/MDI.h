// The chart window: menus, toolbar, the two coloured bars and the chart child between them.
#pragma once

#include <QMainWindow>

#include "birth/chart_session.h"

namespace quendal {

class frmDisplay;

class MDI : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDI(ChartSession& session, QWidget* parent = nullptr);

  frmDisplay* Display() const { return display_; }

 signals:
  void BackRequested();  // cmdBack, mnuBack: close, then show the form
  void NewRequested();   // mnuNew, toolbar "New": show the form, then close
  void ExitRequested();  // cmdExit, mnuExit and the close box: end the program

 private:
  ChartSession& session_;
  frmDisplay* display_ = nullptr;
};

}  // namespace quendal
