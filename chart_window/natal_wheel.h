// The natal wheel of the chart child (picNatal): the place of the wheel and the parent of its
// house cells, glyphs and numbers. The chart page draws all of it (natal_wheel_drawing.h).
#pragma once

#include <QWidget>

#include "drawing/natal_wheel_drawing.h"

namespace quendal {

class NatalWheel : public QWidget {
  Q_OBJECT

 public:
  explicit NatalWheel(QWidget* parent = nullptr);
};

}  // namespace quendal
