#include "ui_common/month_name.h"

#include <QLocale>

#include "ui_common/language.h"

namespace quendal {

QString LongMonthName(int month) {
  if (month < 1 || month > 12) return QString();
  return QLocale::system().monthName(month, QLocale::LongFormat);
}

QString ShownMonthName(int month) {
  if (CurrentLanguage() == QLatin1String("en")) return LongMonthName(month);
  if (month < 1 || month > 12) return QString();
  return LanguageLocale().monthName(month, QLocale::LongFormat);
}

}  // namespace quendal
