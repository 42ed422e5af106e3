// The house number over a sign glyph (lblNatalPosition): drawn with a halo of the ring's
// colour so that it stays readable where it overlaps the glyph.
#pragma once

#include <QColor>
#include <QLabel>

namespace quendal {

class HouseNumberLabel : public QLabel {
  Q_OBJECT

 public:
  HouseNumberLabel(const QColor& ink, const QColor& halo, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor ink_;
  QColor halo_;
};

}  // namespace quendal
