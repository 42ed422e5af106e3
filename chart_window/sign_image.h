// A sign glyph of the wheel (imgSign): one item of the picture list IMG, drawn from its
// vector image at paint time so it stays crisp on screen, in snapshots and on paper.
#pragma once

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace quendal {

// Resource path of IMG item 1 (Aries) to 12 (Pisces); empty for any other item.
QString SignPicturePath(int item);

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
  QSvgRenderer renderer_;
};

}  // namespace quendal
