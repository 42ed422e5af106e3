#include "drawing/chart_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "drawing/chart_colours.h"
#include "positions/longitude_text.h"
#include "ui_common/layout.h"

namespace quendal {
namespace {

const QColor kTitleInk(0x20, 0x20, 0x20);

// Type sizes for a chart 430 pixels square, as the chart child shows it.
constexpr double kDesignSide = 430.0;
constexpr double kEntryPixels = 12.0;
constexpr double kMarkPixels = 10.0;

QRectF Square(const QRectF& bounds) {
  const double side = std::min(bounds.width(), bounds.height());
  return QRectF(bounds.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
}

QFont SizedFont(double side, double design_pixels, bool bold = false) {
  QFont font = VerdanaFont(8.25, bold);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(design_pixels * side / kDesignSide))));
  return font;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPointF Centroid(const QPainterPath& path) {
  QPointF sum;
  const int n = path.elementCount() - 1;  // the closing point repeats the first
  for (int i = 0; i < n; ++i) sum += QPointF(path.elementAt(i));
  return sum / n;
}

// The house less a box kept free around its sign mark.
QPainterPath WithoutMark(const QPainterPath& house, const QPointF& mark, double half) {
  QPainterPath box;
  box.addRect(QRectF(mark - QPointF(half, half), QSizeF(2 * half, 2 * half)));
  return house.subtracted(box);
}

// The houses' ground and entries, then the outer square; the pen stays set for the lines.
void DrawHouses(QPainter& painter, const SquareChartLayout& layout, const ChartView& view) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (int h = 0; h < 12; ++h) {
    painter.setBrush(h == 0 && view.ascendant_sign >= 0 ? kChartFirstHouse : kChartField);
    painter.drawPath(layout.houses[h]);
  }
  for (int h = 0; h < 12; ++h) DrawHouseLayout(painter, layout.entries[h], HouseInk(view, h));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kChartInk, std::max(1.0, layout.square.width() / 300), Qt::SolidLine,
                      Qt::FlatCap, Qt::MiterJoin));
  painter.drawRect(layout.square);
}

void DrawMark(QPainter& painter, const QPointF& at, const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
  painter.setFont(font);
  painter.setPen(kChartSpoke);
  painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size),
                   Qt::AlignCenter | Qt::TextDontClip, text);
}

// South Indian: sign s sits in this cell of the 4 x 4 grid (column, row), Pisces top left,
// then clockwise.
constexpr std::array<std::array<int, 2>, 12> kSouthCells = {{{1, 0},
                                                             {2, 0},
                                                             {3, 0},
                                                             {3, 1},
                                                             {3, 2},
                                                             {3, 3},
                                                             {2, 3},
                                                             {1, 3},
                                                             {0, 3},
                                                             {0, 2},
                                                             {0, 1},
                                                             {0, 0}}};

QRectF SouthCell(const QRectF& square, int sign) {
  const double cell = square.width() / 4;
  return QRectF(square.left() + kSouthCells[sign][0] * cell,
                square.top() + kSouthCells[sign][1] * cell, cell, cell);
}

}  // namespace

SquareChartLayout LayoutNorthIndian(const ChartView& view, const QRectF& bounds) {
  SquareChartLayout layout;
  const QRectF sq = Square(bounds);
  layout.square = sq;
  const double s = sq.width();
  auto at = [&](double x, double y) { return sq.topLeft() + QPointF(x * s, y * s); };
  const QPointF tl = at(0, 0), tr = at(1, 0), br = at(1, 1), bl = at(0, 1);
  const QPointF t = at(0.5, 0), r = at(1, 0.5), b = at(0.5, 1), l = at(0, 0.5), c = at(0.5, 0.5);
  const QPointF ptl = at(0.25, 0.25), ptr = at(0.75, 0.25), pbr = at(0.75, 0.75),
                pbl = at(0.25, 0.75);
  // House 1 is the top diamond; the houses run counter-clockwise. The last point of each
  // outline is the corner that faces the middle, where the sign number goes.
  const std::array<QPainterPath, 12> houses = {
      Polygon({t, ptl, c, ptr}), Polygon({tl, t, ptl}), Polygon({l, tl, ptl}),
      Polygon({l, pbl, c, ptl}), Polygon({bl, l, pbl}), Polygon({b, bl, pbl}),
      Polygon({b, pbr, c, pbl}), Polygon({br, b, pbr}), Polygon({r, br, pbr}),
      Polygon({r, ptr, c, pbr}), Polygon({tr, r, ptr}), Polygon({t, tr, ptr})};
  const std::array<QPointF, 12> inner = {c, ptl, ptl, c, pbl, pbl, c, pbr, pbr, c, ptr, ptr};
  const QFont font = SizedFont(s, kEntryPixels);
  const double mark_half = s * 0.035;
  for (int h = 0; h < 12; ++h) {
    layout.houses[h] = houses[h];
    const QPointF centre = Centroid(houses[h]);
    // Diamonds keep their number a little off the middle; triangles near their inner corner.
    const double toward = h % 3 == 0 ? 0.62 : 0.55;
    layout.sign_marks[h] = centre + (inner[h] - centre) * toward;
    const QPointF anchor = centre - (inner[h] - centre) * 0.15;
    layout.entries[h] = FitEntries(
        view.entries[h], WithoutMark(houses[h], layout.sign_marks[h], mark_half), anchor, font);
  }
  return layout;
}

SquareChartLayout LayoutSouthIndian(const ChartView& view, const QRectF& bounds) {
  SquareChartLayout layout;
  const QRectF sq = Square(bounds);
  layout.square = sq;
  const QFont font = SizedFont(sq.width(), kEntryPixels);
  const double cell = sq.width() / 4;
  for (int h = 0; h < 12; ++h) {
    const QRectF box = SouthCell(sq, view.house_signs[h]);
    QPainterPath path;
    path.addRect(box);
    layout.houses[h] = path;
    // The sign's name sits in the lower right corner; the ascendant's stroke in the upper left.
    layout.sign_marks[h] = box.bottomRight() - QPointF(cell * 0.17, cell * 0.1);
    QPainterPath kept;
    kept.addRect(QRectF(box.bottomRight() - QPointF(cell * 0.36, cell * 0.2), box.bottomRight()));
    kept.addRect(QRectF(box.topLeft(), QSizeF(cell * 0.18, cell * 0.18)));
    // Text keeps clear of the square's lines, as it does of a slanting wedge's.
    QPainterPath room;
    room.addRect(box.adjusted(kSquareInset, kSquareInset, -kSquareInset, -kSquareInset));
    layout.entries[h] = FitEntries(view.entries[h], room.subtracted(kept), box.center(), font);
  }
  return layout;
}

void DrawNorthIndian(QPainter& painter, const ChartView& view, const QRectF& bounds) {
  const SquareChartLayout layout = LayoutNorthIndian(view, bounds);
  const QRectF& sq = layout.square;
  painter.save();
  DrawHouses(painter, layout, view);
  painter.drawLine(sq.topLeft(), sq.bottomRight());
  painter.drawLine(sq.topRight(), sq.bottomLeft());
  const QPointF c = sq.center();
  const double half = sq.width() / 2;
  painter.drawPolygon(QPolygonF(
      {c - QPointF(0, half), c + QPointF(half, 0), c + QPointF(0, half), c - QPointF(half, 0)}));
  const QFont mark_font = SizedFont(sq.width(), kMarkPixels, true);
  for (int h = 0; h < 12; ++h)
    DrawMark(painter, layout.sign_marks[h], QString::number(view.house_signs[h] + 1), mark_font);
  painter.restore();
}

void DrawSouthIndian(QPainter& painter, const ChartView& view, const QRectF& bounds) {
  const SquareChartLayout layout = LayoutSouthIndian(view, bounds);
  const QRectF& sq = layout.square;
  const double cell = sq.width() / 4;
  painter.save();
  DrawHouses(painter, layout, view);
  for (int k = 1; k < 4; ++k) {
    const double x = sq.left() + k * cell;
    const double y = sq.top() + k * cell;
    // The middle lines stop at the central area, which holds the title.
    if (k == 2) {
      painter.drawLine(QPointF(x, sq.top()), QPointF(x, sq.top() + cell));
      painter.drawLine(QPointF(x, sq.bottom() - cell), QPointF(x, sq.bottom()));
      painter.drawLine(QPointF(sq.left(), y), QPointF(sq.left() + cell, y));
      painter.drawLine(QPointF(sq.right() - cell, y), QPointF(sq.right(), y));
    } else {
      painter.drawLine(QPointF(x, sq.top()), QPointF(x, sq.bottom()));
      painter.drawLine(QPointF(sq.left(), y), QPointF(sq.right(), y));
    }
  }
  if (view.ascendant_sign >= 0) {
    const QRectF box = SouthCell(sq, view.ascendant_sign);
    painter.drawLine(box.topLeft() + QPointF(0, cell * 0.16),
                     box.topLeft() + QPointF(cell * 0.16, 0));
  }
  const QFont mark_font = SizedFont(sq.width(), kMarkPixels);
  for (int h = 0; h < 12; ++h) {
    const std::string_view name = SignShortNames[view.house_signs[h]];
    DrawMark(painter, layout.sign_marks[h], QString::fromLatin1(name.data(), 3), mark_font);
  }
  // The title: name, date of birth and which chart, in the central 2 x 2 area.
  const QRectF middle(sq.left() + cell, sq.top() + cell, 2 * cell, 2 * cell);
  painter.setPen(kTitleInk);
  QFont title_font = SizedFont(sq.width(), 13, true);
  const QString title = view.title.join(QLatin1Char('\n'));
  for (int pixels = title_font.pixelSize(); pixels > 6; --pixels) {
    title_font.setPixelSize(pixels);
    const QRectF needed =
        QFontMetricsF(title_font)
            .boundingRect(middle.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, title);
    if (middle.adjusted(6, 6, -6, -6).contains(needed)) break;
  }
  painter.setFont(title_font);
  painter.drawText(middle.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, title);
  painter.restore();
}

}  // namespace quendal
