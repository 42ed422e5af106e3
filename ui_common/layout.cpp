#include "ui_common/layout.h"

#include <QFontDatabase>
#include <QStringList>

namespace quendal {

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
