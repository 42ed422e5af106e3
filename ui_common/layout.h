// Layout values of the windows are twips (1/1440 inch); Qt works in logical pixels at
// 96 dpi and scales those for high-dpi screens itself.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

namespace quendal {

constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// The saffron of the form's and the chart window's bars.
inline const QColor kBarColour(255, 199, 6);

// Colours go through the palette so that the widgets keep the platform style's own drawing;
// a window colour also fills the widget's background.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// Verdana where the machine has it, otherwise the closest sans-serif it has.
QFont VerdanaFont(double point_size, bool bold = false, bool underline = false);

}  // namespace quendal
