// Layout values of the windows are twips (1/1440 inch); Qt works in logical pixels at
// 96 dpi and scales those for high-dpi screens itself.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace quendal {

constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Verdana where the machine has it, otherwise the closest sans-serif it has.
QFont VerdanaFont(double point_size, bool bold = false, bool underline = false);

}  // namespace quendal
