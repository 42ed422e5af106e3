// The tables of every body of the chart on screen: the Shodashavarga (the sign of each body in
// the sixteen divisional charts, vargottama bodies marked) and the Nakshatras (sidereal
// longitude, nakshatra, pada, lord and sub-lord), one tab each.
#pragma once

#include <QWidget>

#include "birth/chart_calculation.h"

class QLabel;
class QTabWidget;
class QTableWidget;

namespace quendal {

class VargaWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, owned by the chart window, so it closes with it.
  explicit VargaWindow(QWidget* chart_window);

  void SetChart(const Chart& chart);

 private:
  QTabWidget* tabVargas_ = nullptr;
  QTableWidget* tblShodashavarga_ = nullptr;
  QTableWidget* tblNakshatras_ = nullptr;
  QLabel* lblVargaOptions_ = nullptr;
};

}  // namespace quendal
