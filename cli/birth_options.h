// The birth given as command-line options (--date, --time, --zone, ...).
#pragma once

#include <QCommandLineParser>

#include "cli/birth_input.h"
#include "cli/place_input.h"

namespace quendal::cli {

void AddBirthOptions(QCommandLineParser& parser);

// The request, or the first option that is missing, malformed or out of range. With --place
// the best match of the atlas (into `place`) gives the place, the coordinates and the zone
// row; --lat, --lon, --zone, --dst, --city, --state and --country, when given, win over it.
BirthParse BirthFromOptions(const QCommandLineParser& parser, PlaceFound& place);

// A BirthData field named with the option that gave it: "BirthYear (--date)".
std::string OptionOf(std::string_view field);

}  // namespace quendal::cli
