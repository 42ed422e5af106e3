#include "chart_window/house_cell_label.h"

#include <QFontMetricsF>

namespace quendal {

HouseCellLabel::HouseCellLabel(const QPainterPath& house, QWidget* parent)
    : QLabel(parent), house_(house) {}

void HouseCellLabel::ShowCaption(const QString& caption, const QPoint& design_place) {
  fitted_.reset();
  setText(caption);
  move(design_place);
  adjustSize();
  for (const QRectF& line : NaturalRects()) {
    // The design's cells graze their house's lines by a pixel or two in many charts; only a
    // line that leaves the house for real makes the house crowded.
    constexpr double kGrace = 4.0;
    if (house_.contains(line.adjusted(kGrace, kGrace, -kGrace, -kGrace))) continue;
    fitted_ = FitEntries(CellEntries(caption), house_, house_.boundingRect().center(), font());
    break;
  }
  update();
  if (parentWidget()) parentWidget()->update();
}

std::vector<QRectF> HouseCellLabel::NaturalRects() const {
  // The label breaks its caption at each line feed; the carriage return before it draws
  // nothing.
  const QFontMetricsF metrics(font());
  std::vector<QRectF> rects;
  const QStringList lines = text().split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = QString(lines[i]).remove(QLatin1Char('\r')).trimmed();
    if (line.isEmpty()) continue;
    rects.emplace_back(QPointF(pos()) + QPointF(0, i * metrics.lineSpacing()),
                       QSizeF(metrics.horizontalAdvance(line), metrics.height()));
  }
  return rects;
}

std::vector<QRectF> HouseCellLabel::EntryRects() const {
  if (!fitted_) return NaturalRects();
  std::vector<QRectF> rects;
  for (const PlacedEntry& entry : fitted_->entries) rects.push_back(entry.rect);
  return rects;
}

void HouseCellLabel::DrawFitted(QPainter& painter) const {
  if (fitted_) DrawHouseLayout(painter, *fitted_, palette().color(QPalette::WindowText));
}

void HouseCellLabel::paintEvent(QPaintEvent* event) {
  if (!fitted_) QLabel::paintEvent(event);
}

}  // namespace quendal
