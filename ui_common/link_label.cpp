#include "ui_common/link_label.h"

#include <QMouseEvent>

namespace quendal {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(colours);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  // Like a button: releasing outside the label cancels the click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace quendal
