// The entries of one house (body names, one a line) laid out inside the house's outline:
// the largest type that fits, in one column or, when crowded, two.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

namespace quendal {

struct PlacedEntry {
  QString text;
  QRectF rect;  // the line's box: its advance by the font's height
};

struct HouseLayout {
  QFont font;
  std::vector<PlacedEntry> entries;
};

// Smallest type the layout goes down to before it gives up and keeps that size.
inline constexpr double kSmallestEntryPixels = 7.0;

// Lays out entries at the largest pixel size from font's down to kSmallestEntryPixels, one
// column before two, as near anchor (the block's preferred centre) as the house allows.
HouseLayout FitEntries(const QStringList& entries, const QPainterPath& house, const QPointF& anchor,
                       const QFont& font);

void DrawHouseLayout(QPainter& painter, const HouseLayout& layout, const QColor& ink);

// The lines of a house cell ("\r\nSun\r\nMars (R) ") as entries, blanks trimmed.
QStringList CellEntries(const QString& cell);

}  // namespace quendal
