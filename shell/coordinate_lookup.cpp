#include "shell/coordinate_lookup.h"

#include <QDesktopServices>
#include <QLineEdit>

#include "shell/coordinate_query.h"
#include "shell/web_addresses.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

struct PlaceField {
  const char* object_name;
  const char* empty_message;
};

constexpr PlaceField kPlaceFields[] = {
    {"txtCity", QT_TRANSLATE_NOOP("Messages", "Please Enter City")},
    {"txtState", QT_TRANSLATE_NOOP("Messages", "Please Enter State")},
    {"txtCountry", QT_TRANSLATE_NOOP("Messages", "Please Enter Country")},
};

}  // namespace

QUrl CoordinateLookupUrl(const QString& query) {
  return QUrl::fromEncoded(QByteArray(kCoordinateSearchUrl) + QUrl::toPercentEncoding(query),
                           QUrl::StrictMode);
}

bool LookUpCoordinates(QWidget* form) {
  QString texts[3];
  for (int i = 0; i < 3; ++i) {
    auto* field = form->findChild<QLineEdit*>(QLatin1String(kPlaceFields[i].object_name));
    if (field) texts[i] = field->text();
    if (texts[i].isEmpty()) {
      ShowMessage(form, QString::fromLatin1(kPlaceFields[i].empty_message), MessageIcon::Stop);
      if (field) field->setFocus();
      return false;
    }
  }
  const std::string query =
      BuildCoordinateQuery(texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString());
  QDesktopServices::openUrl(CoordinateLookupUrl(QString::fromStdString(query)));
  return true;
}

}  // namespace quendal
