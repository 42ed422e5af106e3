#include "chart_window/house_cell_label.h"

namespace quendal {

HouseCellLabel::HouseCellLabel(const QPainterPath& house, QWidget* parent)
    : QLabel(parent), house_(house) {}

void HouseCellLabel::ShowCaption(const QString& caption, const QPoint& design_place) {
  setText(caption);
  move(design_place);
  adjustSize();
  layout_ = LayoutNatalCell(caption, house_, design_place, font());
  if (parentWidget()) parentWidget()->update();
}

std::vector<QRectF> HouseCellLabel::EntryRects() const {
  if (!layout_.fitted) return layout_.lines;
  std::vector<QRectF> rects;
  for (const PlacedEntry& entry : layout_.fitted->entries) rects.push_back(entry.rect);
  return rects;
}

}  // namespace quendal
