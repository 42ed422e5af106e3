// A house cell of the wheel (lblNatal): a label holding its bodies one a line at its design
// place. When the lines would cross out of the house (a crowded house), the label keeps its
// place and caption, and the wheel shows the lines in smaller type and two columns if need
// be, inside the house's field.
#pragma once

#include <QLabel>
#include <QPainterPath>

#include "drawing/natal_wheel_drawing.h"

namespace quendal {

class HouseCellLabel : public QLabel {
  Q_OBJECT

 public:
  // house: the field this cell must keep to, in the parent's coordinates.
  HouseCellLabel(const QPainterPath& house, QWidget* parent = nullptr);

  // Shows caption at the design place (top left), or fitted into the house when crowded.
  void ShowCaption(const QString& caption, const QPoint& design_place);

  bool Crowded() const { return layout_.fitted.has_value(); }
  // The box of every line drawn, in the parent's coordinates.
  std::vector<QRectF> EntryRects() const;

 private:
  QPainterPath house_;
  NatalCellLayout layout_;
};

}  // namespace quendal
