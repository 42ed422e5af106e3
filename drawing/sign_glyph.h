// The twelve sign glyphs (the picture list IMG), drawn from their vector images so they stay
// crisp on screen, in snapshots and on paper.
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace quendal {

// Resource path of IMG item 1 (Aries) to 12 (Pisces); empty for any other item.
QString SignPicturePath(int item);

// Draws item into the lower right of box (the house number keeps the top left); nothing for
// an item outside 1 to 12.
void DrawSignGlyph(QPainter& painter, int item, const QRectF& box);

}  // namespace quendal
