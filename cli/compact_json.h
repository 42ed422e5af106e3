// The core's compact JSON texts read back as values, for the --json page: the page then adds
// its own keys and indents, and says exactly what a batch line says.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <string>

namespace quendal::cli {

QJsonObject JsonObjectOf(const std::string& compact);
QJsonArray JsonArrayOf(const std::string& compact);

}  // namespace quendal::cli
