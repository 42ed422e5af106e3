#include "ui_common/layout.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace quendal {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
  if (role == QPalette::Window) widget->setAutoFillBackground(true);
}

QFont VerdanaFont(double point_size, bool bold, bool underline) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  if (!QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans")});
  }
  font.setPointSizeF(point_size);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

}  // namespace quendal
