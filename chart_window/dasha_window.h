// The Vimshottari dasha of the chart on screen: the nine mahadashas, each opening to its
// antardashas, with the periods in force today marked.
#pragma once

#include <QDateTime>
#include <QWidget>

#include "birth/chart_calculation.h"

class QComboBox;
class QLabel;
class QTreeWidget;

namespace quendal {

class DashaWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, owned by the chart window, so it closes with it.
  explicit DashaWindow(QWidget* chart_window);

  // `now` decides which periods are marked as in force.
  void SetChart(const Chart& chart, const QDateTime& now = QDateTime::currentDateTime());

 signals:
  // The year the dasha counts in, chosen in cboDashaYear; the owner recasts and calls SetChart.
  void DashaYearChosen(DashaYear year);

 private:
  QLabel* lblDashaMoon_ = nullptr;
  QLabel* lblDashaYear_ = nullptr;
  QComboBox* cboDashaYear_ = nullptr;
  QTreeWidget* treDasha_ = nullptr;
};

}  // namespace quendal
