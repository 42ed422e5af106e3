// The natal wheel (picNatal): an outer ring of twelve house places and spokes separating the
// houses. House 1 lies left just below the middle; the houses run counter-clockwise through
// the bottom, so house h spans 180 + 30 (h - 1) to 210 + 30 (h - 1) degrees.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace quendal {

// Draws the wheel's artwork into bounds; the house cells and glyphs are child widgets.
void PaintNatalWheel(QPainter& painter, const QRectF& bounds);

// The field of house_index (0 = house 1) between the hub and the ring of glyphs, in the
// coordinates of bounds: the room its house cell has.
QPainterPath HouseSector(const QRectF& bounds, int house_index);

// Radii as fractions of half the smaller side of the bounds, shared with the layout check
// in the tests: the house cells stay inside the inner radius.
inline constexpr double kWheelOuterRadius = 0.992;
inline constexpr double kWheelRingRadius = 0.862;
inline constexpr double kWheelHubRadius = 0.17;

class NatalWheel : public QWidget {
  Q_OBJECT

 public:
  explicit NatalWheel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quendal
