// --place and --places: the birth place from the atlas on the command line.
#pragma once

#include <QCommandLineParser>

#include "cli/place_input.h"

namespace quendal::cli {

void AddPlaceOptions(QCommandLineParser& parser);

// The birth of --date, --time and --place; --lat, --lon, --zone, --dst, --name, --city,
// --state and --country, when given, win over what the place gives.
BirthParse BirthFromPlaceOptions(const QCommandLineParser& parser, PlaceFound& found);

}  // namespace quendal::cli
