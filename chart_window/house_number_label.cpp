#include "chart_window/house_number_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace quendal {

HouseNumberLabel::HouseNumberLabel(const QColor& ink, const QColor& halo, QWidget* parent)
    : QLabel(parent), ink_(ink), halo_(halo) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void HouseNumberLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF metrics(font());
  QPainterPath path;
  path.addText(QPointF(1.0, metrics.ascent()), font(), text());
  painter.strokePath(path, QPen(halo_, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, ink_);
}

}  // namespace quendal
