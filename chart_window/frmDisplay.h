// The chart child: the wheel with its house cells and sign glyphs, the birth details and
// the positions and sign frames.
#pragma once

#include <QImage>
#include <QWidget>

#include "birth/birth_data.h"
#include "birth/chart_calculation.h"

namespace quendal {

class frmDisplay : public QWidget {
  Q_OBJECT

 public:
  // Writes the birth-details column from birth (the load step).
  explicit frmDisplay(const BirthData& birth, QWidget* parent = nullptr);

  // The driver's filling of the chart, in its order: cells cleared, positions column, Sun
  // sign, Moon sign, sign cells (then hidden), house cells, sign pictures.
  void FillChart(const Chart& chart);

  // The snapshot the chart window takes of this child at every activation, kept in the
  // child's Picture1; Save As JPEG writes it.
  QImage Snapshot() const;
  void SetSnapshot(const QImage& snapshot);
};

}  // namespace quendal
