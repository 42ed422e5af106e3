#include "chart_window/sign_image.h"

#include <QPainter>

namespace quendal {

SignImage::SignImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void SignImage::SetPicture(int item) {
  if (SignPicturePath(item).isEmpty()) return;
  item_ = item;
  update();
}

// Alone it draws itself; in the chart child the page draws it and this widget is not painted.
void SignImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSignGlyph(painter, item_, rect());
}

}  // namespace quendal
