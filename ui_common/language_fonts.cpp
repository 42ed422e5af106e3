#include "ui_common/language_fonts.h"

#include <QFontDatabase>

#include "ui_common/language.h"

namespace quendal {

QString MissingFontMessage(const QString& code) {
  const Language* language = FindLanguage(code);
  if (!language || !*language->font_family) return QString();
  const QString family = QString::fromUtf8(language->font_family);
  if (QFontDatabase::families().contains(family)) return QString();
  // In English: without the face the language's own script would not show.
  return QStringLiteral(
             "The font %1 is not installed, so the windows stay in English. Install "
             "the package fonts-noto-core to read them in %2.")
      .arg(family, QString::fromUtf8(language->native_name));
}

QString ScriptFontFamily() {
  const Language* language = FindLanguage(CurrentLanguage());
  return language ? QString::fromUtf8(language->font_family) : QString();
}

}  // namespace quendal
