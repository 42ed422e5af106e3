#include <QFontDatabase>
#include <QStringList>

#include "ui_common/language.h"
#include "ui_common/layout.h"

namespace quendal {
namespace {

// The first of these the machine has, looked up once. A font naming only a family that is
// there is found at once; one naming a missing family first (with a list and a style hint to
// fall back on) sent every label of the form through the font matcher again.
const QString& VerdanaOrClosestFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : {"Verdana", "DejaVu Sans", "Liberation Sans"}) {
      const QString name = QString::fromLatin1(candidate);
      if (installed.contains(name)) return name;
    }
    return QString();
  }();
  return family;
}

}  // namespace

QFont VerdanaFont(double point_size, bool bold, bool underline) {
  QFont font;
  if (VerdanaOrClosestFamily().isEmpty()) {
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamily(VerdanaOrClosestFamily());
  }
  // Latin letters and digits keep their face; the language's script comes from its own.
  if (const QString script = ScriptFontFamily(); !script.isEmpty())
    font.setFamilies({font.family(), script});
  font.setPointSizeF(point_size);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

}  // namespace quendal
