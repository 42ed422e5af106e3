#include "drawing/house_entries.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace quendal {
namespace {

constexpr double kColumnGap = 4.0;
// Text keeps this far from the house's lines.
constexpr double kMargin = 2.0;

struct Block {
  QSizeF size;
  std::vector<QRectF> rects;  // relative to the block's top left
};

Block Arrange(const QStringList& entries, const QFontMetricsF& metrics, int columns) {
  Block block;
  const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
  const double line = metrics.height();
  double left = 0;
  for (int c = 0; c < columns; ++c) {
    double width = 0;
    for (int r = 0; r < rows && c * rows + r < entries.size(); ++r)
      width = std::max(width, metrics.horizontalAdvance(entries[c * rows + r]));
    for (int r = 0; r < rows && c * rows + r < entries.size(); ++r)
      block.rects.emplace_back(left, r * line, metrics.horizontalAdvance(entries[c * rows + r]),
                               line);
    left += width + (c + 1 < columns ? kColumnGap : 0);
  }
  block.size = QSizeF(left, rows * line);
  return block;
}

bool Fits(const QPainterPath& house, const QPointF& top_left, const QSizeF& size) {
  return house.contains(QRectF(top_left, size).adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

// The top left nearest to the one that centres the block on anchor where the block fits.
std::optional<QPointF> PlaceBlock(const QPainterPath& house, const QPointF& anchor,
                                  const QSizeF& size) {
  const QPointF centred = anchor - QPointF(size.width() / 2, size.height() / 2);
  if (Fits(house, centred, size)) return centred;
  const QRectF bounds = house.boundingRect();
  const double step = std::max(1.5, std::min(bounds.width(), bounds.height()) / 40.0);
  std::optional<QPointF> best;
  double best_distance = 0;
  for (double y = bounds.top(); y + size.height() <= bounds.bottom(); y += step) {
    for (double x = bounds.left(); x + size.width() <= bounds.right(); x += step) {
      const QPointF d = QPointF(x, y) - centred;
      const double distance = d.x() * d.x() + d.y() * d.y();
      if (best && distance >= best_distance) continue;
      if (!Fits(house, QPointF(x, y), size)) continue;
      best = QPointF(x, y);
      best_distance = distance;
    }
  }
  return best;
}

// Entries in reading order, each in the first place along the rows of the house where it fits
// after the one before: a house too narrow for a block (a slanting wedge) still takes them.
std::optional<HouseLayout> Flowed(const QStringList& entries, const QPainterPath& house,
                                  const QFont& font) {
  const QFontMetricsF metrics(font);
  const double line = metrics.height();
  const QRectF bounds = house.boundingRect();
  HouseLayout layout{font, {}};
  int next = 0;
  for (double y = bounds.top(); y + line <= bounds.bottom() && next < entries.size(); y += line) {
    double x = bounds.left();
    while (next < entries.size()) {
      const QSizeF size(metrics.horizontalAdvance(entries[next]), line);
      while (x + size.width() <= bounds.right() && !Fits(house, QPointF(x, y), size)) x += 1.0;
      if (x + size.width() > bounds.right()) break;
      layout.entries.push_back({entries[next], QRectF(QPointF(x, y), size)});
      x += size.width() + kColumnGap + 2 * kMargin;
      ++next;
    }
  }
  if (next < entries.size()) return std::nullopt;
  return layout;
}

HouseLayout Placed(const QStringList& entries, const QFont& font, const Block& block,
                   const QPointF& top_left) {
  HouseLayout layout{font, {}};
  for (int i = 0; i < entries.size(); ++i)
    layout.entries.push_back({entries[i], block.rects[i].translated(top_left)});
  return layout;
}

}  // namespace

HouseLayout FitEntries(const QStringList& entries, const QPainterPath& house, const QPointF& anchor,
                       const QFont& font) {
  QFont sized = font;
  double pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height() * 0.8;
  for (; pixels >= kSmallestEntryPixels; pixels -= 0.5) {
    sized.setPixelSize(static_cast<int>(std::lround(pixels)));
    const QFontMetricsF metrics(sized);
    for (int columns = 1; columns <= std::min<int>(2, std::max<int>(1, entries.size()));
         ++columns) {
      const Block block = Arrange(entries, metrics, columns);
      if (const auto top_left = PlaceBlock(house, anchor, block.size))
        return Placed(entries, sized, block, *top_left);
    }
    if (auto flowed = Flowed(entries, house, sized)) return *std::move(flowed);
  }
  // Nothing fits even at the smallest type: two columns centred on the anchor.
  sized.setPixelSize(static_cast<int>(kSmallestEntryPixels));
  const Block block = Arrange(entries, QFontMetricsF(sized), 2);
  return Placed(entries, sized, block,
                anchor - QPointF(block.size.width() / 2, block.size.height() / 2));
}

void DrawHouseLayout(QPainter& painter, const HouseLayout& layout, const QColor& ink) {
  painter.save();
  painter.setFont(layout.font);
  painter.setPen(ink);
  for (const PlacedEntry& entry : layout.entries)
    painter.drawText(entry.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, entry.text);
  painter.restore();
}

QStringList CellEntries(const QString& cell) {
  QStringList entries;
  for (const QString& line : cell.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) entries << trimmed;
  }
  return entries;
}

}  // namespace quendal
