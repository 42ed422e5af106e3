#include "cli/place_options.h"

#include "cli/birth_options.h"

namespace quendal::cli {

void AddPlaceOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"place",
       "Birth place from the atlas, e.g. \"Pune, Maharashtra, India\" or pune: fills the place, "
       "--lat, --lon and the zone row in force at --date and --time.",
       "TEXT"},
      {"places", "List the places of the atlas that TEXT finds (at most 20) and stop.", "TEXT"},
  });
}

BirthParse BirthFromPlaceOptions(const QCommandLineParser& parser, PlaceFound& found) {
  BirthRequest request;
  BirthData& birth = request.birth;
  for (const char* option : {"date", "time"}) {
    if (!parser.isSet(option))
      return {std::nullopt, {std::string("--") + option, "", "is missing"}};
  }
  const auto value = [&](const char* option) { return parser.value(option).toStdString(); };
  std::optional<InputError> error = ParseDate("--date", value("date"), birth);
  if (!error) error = ParseTime("--time", value("time"), birth);
  if (!error) error = ApplyPlace("--place", value("place"), parser.isSet("zone"), request, found);
  if (!error && parser.isSet("zone")) {
    if (const auto row = ParseInteger(value("zone")))
      request.zone_row = *row;
    else
      error = InputError{"--zone", value("zone"), "is not a row number 0 to 70 (see --zones)"};
  }
  if (!error && parser.isSet("lat")) error = ParseLatitude("--lat", value("lat"), birth);
  if (!error && parser.isSet("lon")) error = ParseLongitude("--lon", value("lon"), birth);
  if (error) return {std::nullopt, *error};
  if (parser.isSet("dst")) birth.DaylightSaving = true;
  birth.PersonName = value("name");
  for (auto [option, text] : {std::pair{"city", &birth.BirthCity},
                              {"state", &birth.BirthState},
                              {"country", &birth.BirthCountry}}) {
    if (parser.isSet(option)) *text = value(option);
  }
  return FinishBirth(std::move(request), OptionOf);
}

}  // namespace quendal::cli
