// The chart window: menus, toolbar, the two coloured bars and the chart child between them.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "birth/chart_session.h"
#include "drawing/chart_view.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace quendal {

class frmDisplay;

class MDI : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDI(ChartSession& session, QWidget* parent = nullptr);

  frmDisplay* Display() const;

 signals:
  void BackRequested();  // cmdBack, mnuBack: close, then show the form
  void NewRequested();   // mnuNew, toolbar "New": show the form, then close
  void ExitRequested();  // cmdExit, mnuExit and the close box: end the program

 public slots:
  void MDIForm_Load();
  void MDIForm_Activate();
  void MDIForm_Resize();

  void cmdBack_Click();
  void mnuBack_Click();
  void mnuNew_Click();
  void cmdExit_Click();
  void mnuExit_Click();
  void mnuToolBar_Click();
  void TB_ButtonClick(QAction* button);

  // The file commands (reading file, export, image, print) and the web links.
  void cmdSaveAsJPEG_Click();
  void mnuSaveAsJpeg_Click();
  void mnuSaveAsPdf_Click();
  void mnuSaveAsText_Click();
  void mnuExport_Click();
  void mnuPrint_Click();
  void mnuSaveReportAsPdf_Click();
  void mnuPrintReport_Click();
  void mnuMatch_Click();  // the match window of this chart and a saved reading
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuAbout_Click();
  void mnuDonate_Click();
  void Label1_Click();
  void lblURL_Click();
  void lblFullBrand_Click();
  void lblCobrand_Click();

  // The view items: status bar, chart style, colour style, birth and divisional charts.
  void mnuStatusBar_Click();
  void mnuNorth_Click();
  void mnuSouth_Click();
  void mnuNatal_Click();
  void mnuColorOn_Click();
  void mnuColorOff_Click();
  void mnuChart_Click();
  void mnuSub_Hora_Click();
  void mnuSub_Drekkana_Click();
  void mnuSub_Sapthamsa_Click();
  void mnuSub_Navamsa_Click();
  void mnuSub_Dasamsa_Click();
  void mnuSub_Dwadasamsa_Click();
  void mnuMakeMoney_Click();

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildTopBar(QWidget* parent);
  void BuildBottomBar(QWidget* parent);
  void LoadDisplay();
  QAction* Item(const char* name) const;
  // The view items and the status bar (view_menu.cpp).
  void BuildStatusBar();
  void LoadViewMenu();
  void ShowDivision(int division);
  void ShowChartStyle(ChartStyle style);
  void ShowColours(bool coloured);
  void UpdateStatusBar();
  void ShowSaved(const QString& path);

  ChartSession& session_;
  QPointer<frmDisplay> display_;
  QScrollArea* scroll_ = nullptr;
  QToolBar* TB_ = nullptr;
  QLabel* lblHeading_ = nullptr;
  QLabel* lblURL_ = nullptr;
  QPushButton* cmdSaveAsJPEG_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmdExit_ = nullptr;
  QLabel* lblStatusChart_ = nullptr;
  QLabel* lblStatusZodiac_ = nullptr;
  // Set by Back and New so that the close they cause does not end the program.
  bool navigating_ = false;
  bool exit_requested_ = false;
};

}  // namespace quendal
