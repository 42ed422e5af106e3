// The square chart styles, North and South Indian: one routine per style lays the chart out
// and draws it into any painter (the screen, the snapshot, JPEG, print and PDF all come
// through here).
#pragma once

#include <QPainterPath>
#include <array>

#include "drawing/chart_view.h"
#include "drawing/house_entries.h"

class QPainter;

namespace quendal {

// Where everything of a square chart goes inside its bounds: the outline of each house
// (house 1 first) and its laid-out entries.
struct SquareChartLayout {
  QRectF square;
  std::array<QPainterPath, 12> houses;
  std::array<HouseLayout, 12> entries;
  std::array<QPointF, 12> sign_marks;  // where a house's sign number or name goes
};

// How far a South Indian house's entries keep inside its square, beyond the entries' own margin.
inline constexpr double kSquareInset = 2.0;

SquareChartLayout LayoutNorthIndian(const ChartView& view, const QRectF& bounds);
SquareChartLayout LayoutSouthIndian(const ChartView& view, const QRectF& bounds);

void DrawNorthIndian(QPainter& painter, const ChartView& view, const QRectF& bounds);
void DrawSouthIndian(QPainter& painter, const ChartView& view, const QRectF& bounds);

}  // namespace quendal
