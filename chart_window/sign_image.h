// A sign glyph of the wheel (imgSign): which IMG item a house shows. The chart page draws
// it; the widget keeps the item and its place.
#pragma once

#include <QWidget>

#include "drawing/sign_glyph.h"

namespace quendal {

class SignImage : public QWidget {
  Q_OBJECT

 public:
  explicit SignImage(QWidget* parent = nullptr);

  // The IMG item shown, 1 to 12; 0 before the first picture.
  int Picture() const { return item_; }
  // Items outside 1 to 12 leave the picture as it is.
  void SetPicture(int item);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int item_ = 0;
};

}  // namespace quendal
