// --place and --places: the birth place from the atlas on the command line.
#pragma once

#include <QCommandLineParser>

namespace quendal::cli {

void AddPlaceOptions(QCommandLineParser& parser);

}  // namespace quendal::cli
