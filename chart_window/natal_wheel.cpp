#include "chart_window/natal_wheel.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "chart_window/chart_colours.h"
#include "chart_window/house_cell_label.h"

namespace quendal {
namespace {

const QColor kInk = kChartInk;
const QColor kSpoke = kChartSpoke;
const QColor kRingLight(0xff, 0xf4, 0xd6);
const QColor kRingDark(0xff, 0xe9, 0xb0);
const QColor kRingFirst(0xff, 0xd5, 0x5e);
const QColor kFieldLight(0xff, 0xff, 0xff);
const QColor kFieldDark = kChartField;
const QColor kFieldFirst = kChartFirstHouse;
const QColor kHubInner(0xff, 0xe6, 0x8a);
const QColor kHubOuter(0xff, 0xc7, 0x06);

// Screen angles run clockwise, so a counter-clockwise angle is negated.
QPointF Polar(const QPointF& centre, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QPainterPath Sector(const QPointF& centre, double inner, double outer, double from_degrees) {
  QPainterPath path;
  const QRectF outer_box(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
  const QRectF inner_box(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
  path.arcMoveTo(outer_box, from_degrees);
  path.arcTo(outer_box, from_degrees, 30.0);
  path.arcTo(inner_box, from_degrees + 30.0, -30.0);
  path.closeSubpath();
  return path;
}

double HouseStart(int house_index) { return 180.0 + 30.0 * house_index; }

void PaintSectors(QPainter& painter, const QPointF& centre, double hub, double ring, double outer) {
  painter.setPen(Qt::NoPen);
  for (int h = 0; h < 12; ++h) {
    const bool first = h == 0;
    const bool even = h % 2 == 0;
    painter.setBrush(first ? kFieldFirst : even ? kFieldLight : kFieldDark);
    painter.drawPath(Sector(centre, hub, ring, HouseStart(h)));
    painter.setBrush(first ? kRingFirst : even ? kRingLight : kRingDark);
    painter.drawPath(Sector(centre, ring, outer, HouseStart(h)));
  }
}

void PaintSpokes(QPainter& painter, const QPointF& centre, double hub, double outer) {
  for (int k = 0; k < 12; ++k) {
    // The horizon and the meridian (the spokes at 0, 90, 180 and 270 degrees) bound the
    // angular houses 1, 4, 7 and 10; they are drawn heavier.
    const bool axis = k % 3 == 0;
    painter.setPen(QPen(axis ? kInk : kSpoke, axis ? 1.6 : 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(Polar(centre, hub, 30.0 * k), Polar(centre, outer, 30.0 * k));
  }
}

void PaintCircle(QPainter& painter, const QPointF& centre, double radius, const QPen& pen) {
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
}

// A small sun in the middle: twelve rays, one per house, around a golden disc.
void PaintHub(QPainter& painter, const QPointF& centre, double hub) {
  QPainterPath rays;
  for (int k = 0; k < 12; ++k) {
    const double middle = 15.0 + 30.0 * k;
    rays.moveTo(Polar(centre, hub * 0.55, middle - 9.0));
    rays.lineTo(Polar(centre, hub * 0.93, middle));
    rays.lineTo(Polar(centre, hub * 0.55, middle + 9.0));
    rays.closeSubpath();
  }
  painter.setPen(QPen(kInk, 0.8));
  painter.setBrush(kHubOuter);
  painter.drawPath(rays);

  QRadialGradient glow(centre, hub * 0.6);
  glow.setColorAt(0.0, QColor(0xff, 0xfb, 0xe8));
  glow.setColorAt(0.6, kHubInner);
  glow.setColorAt(1.0, kHubOuter);
  painter.setBrush(glow);
  painter.drawEllipse(centre, hub * 0.55, hub * 0.55);
}

}  // namespace

void PaintNatalWheel(QPainter& painter, const QRectF& bounds) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = bounds.center();
  const double half = std::min(bounds.width(), bounds.height()) / 2.0;
  const double outer = half * kWheelOuterRadius;
  const double ring = half * kWheelRingRadius;
  const double hub = half * kWheelHubRadius;

  PaintSectors(painter, centre, hub, ring, outer);
  PaintSpokes(painter, centre, hub, outer);
  PaintCircle(painter, centre, outer, QPen(kInk, 2.0));
  PaintCircle(painter, centre, outer - 3.0, QPen(kSpoke, 0.7));
  PaintCircle(painter, centre, ring, QPen(kInk, 1.3));
  PaintCircle(painter, centre, hub, QPen(kInk, 1.3));
  PaintHub(painter, centre, hub);
  painter.restore();
}

QPainterPath HouseSector(const QRectF& bounds, int house_index) {
  const double half = std::min(bounds.width(), bounds.height()) / 2.0;
  return Sector(bounds.center(), half * kWheelHubRadius, half * kWheelRingRadius,
                HouseStart(house_index));
}

NatalWheel::NatalWheel(QWidget* parent) : QWidget(parent) {}

void NatalWheel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintNatalWheel(painter, rect());
  for (const HouseCellLabel* cell : findChildren<HouseCellLabel*>(Qt::FindDirectChildrenOnly))
    cell->DrawFitted(painter);
}

}  // namespace quendal
