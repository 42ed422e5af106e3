#include "ui_common/language_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

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

void FitTranslatedText(QLabel* label) {
  if (CurrentLanguage() == QLatin1String("en") || label->wordWrap()) return;
  // The size the layout gave, kept across calls so a shorter text grows back to it.
  const char* kFull = "quendalFullPointSize";
  if (!label->property(kFull).isValid()) label->setProperty(kFull, label->font().pointSizeF());
  const double full = label->property(kFull).toDouble();
  QFont font = label->font();
  font.setPointSizeF(full);
  const int room = label->contentsRect().width();
  const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(label->text()) <= room; };
  while (!fits() && font.pointSizeF() > full * 0.7) font.setPointSizeF(font.pointSizeF() - 0.25);
  label->setFont(font);
}

}  // namespace quendal
