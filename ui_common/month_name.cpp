#include "ui_common/month_name.h"

#include <QLocale>

namespace quendal {

QString LongMonthName(int month) {
  if (month < 1 || month > 12) return QString();
  return QLocale::system().monthName(month, QLocale::LongFormat);
}

}  // namespace quendal
