// The natal wheel as a drawing: an outer ring of twelve house places and spokes separating
// the houses. House 1 lies left just below the middle; the houses run counter-clockwise
// through the bottom, so house h spans 180 + 30 (h - 1) to 210 + 30 (h - 1) degrees.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <array>
#include <optional>
#include <vector>

#include "drawing/chart_view.h"
#include "drawing/house_entries.h"

class QPainter;

namespace quendal {

// Radii as fractions of half the smaller side of the bounds, shared with the layout check
// in the tests: the house cells stay inside the inner radius.
inline constexpr double kWheelOuterRadius = 0.992;
inline constexpr double kWheelRingRadius = 0.862;
inline constexpr double kWheelHubRadius = 0.17;

// The wheel's artwork (rings, spokes, the sun in the middle) into bounds.
void PaintNatalWheel(QPainter& painter, const QRectF& bounds);

// The field of house_index (0 = house 1) between the hub and the ring of glyphs, in the
// coordinates of bounds: the room its house cell has.
QPainterPath HouseSector(const QRectF& bounds, int house_index);

// A house cell: its caption one body a line from its design place, or, when a line would
// leave the house (a crowded house), the entries fitted into the house's field.
struct NatalCellLayout {
  QString caption;
  QRectF box;                         // the caption's box at its design place
  std::vector<QRectF> lines;          // the box of each line of the caption
  std::optional<HouseLayout> fitted;  // set for a crowded house
};
NatalCellLayout LayoutNatalCell(const QString& caption, const QPainterPath& house,
                                const QPointF& place, const QFont& font);

// Everything of the wheel at its design size (the chart child's picNatal).
struct NatalWheelLayout {
  QRectF bounds;
  std::array<NatalCellLayout, 12> cells;  // house 1 first
  std::array<QRectF, 12> glyphs;          // the box a sign glyph is drawn in
  std::array<QRectF, 12> numbers;         // the box of house number h + 1
  std::array<QString, 12> number_texts;
};
NatalWheelLayout LayoutNatalWheel(const ChartView& view);

// Where house number house_index + 1 goes at the design size: on the ring beside its sign
// glyph, clear of it; and the box of its ink with the halo.
QRectF NatalNumberBox(int house_index);
QRectF NatalNumberInk(const QRectF& box, const QString& text);

// The fonts of the wheel at its design size.
QFont NatalCellFont();
QFont NatalNumberFont();

// The wheel with its cells, glyphs and house numbers, the design size scaled into bounds.
void DrawNatalWheel(QPainter& painter, const ChartView& view, const QRectF& bounds);

// A point-size font for painter's device, so that it covers as many of the painter's units
// as it covers pixels at 96 dots an inch: a page scaled into a PDF keeps its proportions.
QFont FontForDevice(const QFont& font, const QPainter& painter);

}  // namespace quendal
