// A house cell of the wheel (lblNatal): a label showing its bodies one a line at its design
// place. When the lines would cross out of the house (a crowded house), the label keeps its
// place and caption but draws nothing; the wheel draws the lines, in smaller type and two
// columns if need be, inside the house's field, where the label's own box cannot reach.
#pragma once

#include <QLabel>
#include <QPainterPath>
#include <optional>

#include "chart_window/house_entries.h"

class QPainter;

namespace quendal {

class HouseCellLabel : public QLabel {
  Q_OBJECT

 public:
  // house: the field this cell must keep to, in the parent's coordinates.
  HouseCellLabel(const QPainterPath& house, QWidget* parent = nullptr);

  // Shows caption at the design place (top left), or fitted into the house when crowded.
  void ShowCaption(const QString& caption, const QPoint& design_place);

  bool Crowded() const { return fitted_.has_value(); }
  // The box of every line drawn, in the parent's coordinates.
  std::vector<QRectF> EntryRects() const;
  // The fitted lines of a crowded house, into the parent's painter.
  void DrawFitted(QPainter& painter) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QRectF> NaturalRects() const;

  QPainterPath house_;
  std::optional<HouseLayout> fitted_;  // in the parent's coordinates
};

}  // namespace quendal
