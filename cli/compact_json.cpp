#include "cli/compact_json.h"

#include <QJsonDocument>

namespace quendal::cli {

QJsonObject JsonObjectOf(const std::string& compact) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(compact)).object();
}

QJsonArray JsonArrayOf(const std::string& compact) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(compact)).array();
}

}  // namespace quendal::cli
