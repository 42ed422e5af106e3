// A birth place taken from the atlas by name (--place, the batch's Place column): the best
// match fills the place, its coordinates and the zone row in force at the birth's local date
// and time, exactly as choosing it on the form does.
#pragma once

#include <QJsonObject>
#include <optional>
#include <string>
#include <string_view>

#include "cli/birth_input.h"
#include "places/place_choice.h"

namespace quendal::cli {

struct PlaceFound {
  int index = -1;  // in the atlas; -1 until a place is found
  PlaceMatch match;
  PlaceChoice choice;
};

// Needs the date and time already in request.birth. With `zone_given` the zone is the
// caller's: a clock time that did not exist or an offset no row has is then no error.
// Errors name `field` and `query`.
std::optional<InputError> ApplyPlace(std::string_view field, const std::string& query,
                                     bool zone_given, BirthRequest& request, PlaceFound& found);

// The "Place" object of the JSON output.
QJsonObject PlaceJson(const PlaceFound& found);

// --places: the matches, at most 20, one a line: city, state, country, latitude, longitude,
// IANA zone and population, separated by tabs. Empty when nothing matches.
std::string PlaceListText(const QString& query);

}  // namespace quendal::cli
