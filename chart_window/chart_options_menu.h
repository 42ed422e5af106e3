// View > Zodiac, Positions, Dasha and the tables of every body of the chart window. A choice
// recomputes the chart on screen from the same birth and is kept in the settings for the next
// run.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "birth/chart_session.h"
#include "chart/stored_choices.h"

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace quendal {

class DashaWindow;
class VargaWindow;
class frmDisplay;

// Unknown words, and precise positions or an ayanamsha but Lahiri in a build without the
// Swiss Ephemeris, read as the defaults.
ChartOptions LoadChartOptions(const QSettings& settings);
void StoreChartOptions(QSettings& settings, const ChartOptions& options);

class ChartOptionsMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the items to `view`; the chart child is asked for anew at every choice, as the
  // window may replace it.
  ChartOptionsMenu(QWidget* window, QMenu* view, ChartSession& session,
                   std::function<frmDisplay*()> display);

  void Choose(const ChartOptions& options);
  void mnuDasha_Click();
  void mnuVargas_Click();

 private:
  QAction* AddChoice(QMenu* menu, const char* name, const QString& caption, bool checked);
  void ShowChecks();
  void AddZodiacItems(QMenu* zodiac);

  QWidget* window_;
  ChartSession& session_;
  std::function<frmDisplay*()> display_;
  QPointer<DashaWindow> dasha_;
  QPointer<VargaWindow> vargas_;
};

}  // namespace quendal
