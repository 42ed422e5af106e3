#include "drawing/natal_wheel_drawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "drawing/chart_colours.h"
#include "drawing/chart_layout.h"
#include "drawing/sign_glyph.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"

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

namespace {

const QColor kNumberInk(0x6e, 0x33, 0x12);
const QColor kNumberHalo(0xff, 0xf8, 0xe4);

// The design's cells graze their house's lines by a pixel or two in many charts; only a
// line that leaves the house for real makes the house crowded.
constexpr double kGrace = 4.0;

QRectF DesignWheel() {
  return QRectF(QPointF(0, 0),
                QSizeF(TwipsRect(0, 0, kNatalWheelBox.width, kNatalWheelBox.height).size()));
}

// The number is outlined in the ring's colour, so it stays readable on any ground.
void DrawHouseNumber(QPainter& painter, const QRectF& box, const QString& text) {
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFont font = NatalNumberFont();
  QPainterPath path;
  path.addText(box.topLeft() + QPointF(1.0, QFontMetricsF(font).ascent()), font, text);
  painter.strokePath(path, QPen(kNumberHalo, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, kNumberInk);
  painter.restore();
}

// A cell as the label of its design place showed it: its lines from the top left, clipped
// to its box.
void DrawCaption(QPainter& painter, const NatalCellLayout& cell, const QColor& ink) {
  painter.save();
  painter.setClipRect(cell.box, Qt::IntersectClip);
  painter.setFont(FontForDevice(NatalCellFont(), painter));
  painter.setPen(ink);
  painter.drawText(cell.box,
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextForceLeftToRight,
                   cell.caption);
  painter.restore();
}

}  // namespace

QFont NatalCellFont() { return VerdanaFont(8.25); }
QFont NatalNumberFont() { return VerdanaFont(7, true); }

QFont FontForDevice(const QFont& font, const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (!device || font.pointSizeF() <= 0 || device->logicalDpiY() == 96) return font;
  QFont sized = font;
  sized.setPointSizeF(font.pointSizeF() * 96.0 / device->logicalDpiY());
  return sized;
}

NatalCellLayout LayoutNatalCell(const QString& caption, const QPainterPath& house,
                                const QPointF& place, const QFont& font) {
  NatalCellLayout cell;
  cell.caption = caption;
  const QFontMetricsF metrics(font);
  // The box a label sized to its caption has.
  const QRect natural = QFontMetrics(font).boundingRect(
      QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, caption);
  cell.box = QRectF(place, QSizeF(natural.size()));
  // The caption breaks at each line feed; the carriage return before it draws nothing.
  const QStringList lines = caption.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = QString(lines[i]).remove(QLatin1Char('\r')).trimmed();
    if (line.isEmpty()) continue;
    cell.lines.emplace_back(place + QPointF(0, i * metrics.lineSpacing()),
                            QSizeF(metrics.horizontalAdvance(line), metrics.height()));
  }
  for (const QRectF& line : cell.lines) {
    if (house.contains(line.adjusted(kGrace, kGrace, -kGrace, -kGrace))) continue;
    cell.fitted = FitEntries(CellEntries(caption), house, house.boundingRect().center(), font);
    break;
  }
  return cell;
}

QRectF NatalNumberInk(const QRectF& box, const QString& text) {
  const QFont font = NatalNumberFont();
  QPainterPath path;
  path.addText(box.topLeft() + QPointF(1.0, QFontMetricsF(font).ascent()), font, text);
  return path.boundingRect().adjusted(-1, -1, 1, 1);  // with its halo
}

QRectF NatalNumberBox(int house_index) {
  const HousePlace& place = kHousePlaces[static_cast<std::size_t>(house_index)];
  const QRectF glyph = TwipsRect(place.glyph_left, place.glyph_top, kGlyphSize, kGlyphSize);
  const QString text = QString::number(house_index + 1);
  const QSizeF size = QSizeF(TwipsRect(0, 0,
                                       house_index + 1 < 10 ? kNumberWidthOneDigit
                                                            : kNumberWidthTwoDigits,
                                       kNumberHeight)
                                 .size());
  const QPointF centre = DesignWheel().center();
  const QPointF g = glyph.center() - centre;
  // Midway across the ring, between its inner line and the rim's thin line.
  const double half = std::min(DesignWheel().width(), DesignWheel().height()) / 2.0;
  const double radius = half * (kWheelRingRadius + kWheelOuterRadius) / 2.0 - 1.5;
  const double at = std::atan2(-g.y(), g.x()) * 180.0 / std::numbers::pi;
  // The glyph's angle within its house's arc of the ring, 0 to 30.
  const double within = std::fmod(at - HouseStart(house_index) + 720.0, 360.0);
  const double toward = within > 15.0 ? -1.0 : 1.0;  // the longer part of the arc
  // Beside the glyph along the ring, the first place where the number's ink, halo and a
  // pixel more leave the glyph's box clear.
  QRectF box;
  for (double step = 0.0; step <= 14.0; step += 0.25) {
    const QPointF middle = Polar(centre, radius, at + toward * step);
    box = QRectF(middle - QPointF(size.width() / 2, size.height() / 2), size);
    if (!NatalNumberInk(box, text).adjusted(-1, -1, 1, 1).intersects(glyph)) break;
  }
  return box;
}

NatalWheelLayout LayoutNatalWheel(const ChartView& view) {
  NatalWheelLayout layout;
  layout.bounds = DesignWheel();
  const QFont font = NatalCellFont();
  for (int h = 0; h < 12; ++h) {
    const HousePlace& place = kHousePlaces[h];
    layout.cells[h] = LayoutNatalCell(TrChartCell(QString::fromStdString(view.chart.HouseCells[h])),
                                      HouseSector(layout.bounds, h),
                                      QPointF(Twips(place.cell_left), Twips(place.cell_top)), font);
    layout.glyphs[h] = TwipsRect(place.glyph_left, place.glyph_top, kGlyphSize, kGlyphSize);
    layout.numbers[h] = NatalNumberBox(h);
    layout.number_texts[h] = QString::number(h + 1);
  }
  return layout;
}

void DrawNatalWheel(QPainter& painter, const ChartView& view, const QRectF& bounds) {
  const NatalWheelLayout layout = LayoutNatalWheel(view);
  const QSizeF design = layout.bounds.size();
  const double scale = std::min(bounds.width() / design.width(), bounds.height() / design.height());
  painter.save();
  painter.translate(bounds.center() - QPointF(design.width(), design.height()) * scale / 2);
  // At the design size the screen draws untransformed, so no scale is set.
  if (scale != 1.0) painter.scale(scale, scale);
  PaintNatalWheel(painter, layout.bounds);
  for (int h = 0; h < 12; ++h) {
    if (layout.cells[h].fitted)
      DrawHouseLayout(painter, *layout.cells[h].fitted, HouseInk(view, h));
  }
  // In the order the design stacks them: a house's glyph, its number, then its cell.
  for (int h = 0; h < 12; ++h) {
    DrawSignGlyph(painter, view.chart.SignPictures[h], layout.glyphs[h]);
    DrawHouseNumber(painter, layout.numbers[h], layout.number_texts[h]);
    if (!layout.cells[h].fitted) DrawCaption(painter, layout.cells[h], HouseInk(view, h));
  }
  painter.restore();
}

}  // namespace quendal
