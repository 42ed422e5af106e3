#include "cli/birth_options.h"

#include <string_view>
#include <vector>

namespace quendal::cli {

std::string OptionOf(std::string_view field) {
  std::string option;
  if (field.starts_with("Birth") &&
      (field.ends_with("Year") || field.ends_with("Month") || field.ends_with("Day")))
    option = "--date";
  else if (field == "BirthHour" || field == "BirthMinute")
    option = "--time";
  else if (field == "ZoneRow")
    option = "--zone";
  else if (field.starts_with("Latitude"))
    option = "--lat";
  else if (field.starts_with("Longitude"))
    option = "--lon";
  return option.empty() ? std::string(field) : std::string(field) + " (" + option + ")";
}

void AddBirthOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"date", "Date of birth, local calendar, 1901-01-01 to 2050-12-31.", "YYYY-MM-DD"},
      {"time", "Local clock time of birth, 00:00 to 23:59.", "HH:MM"},
      {"zone", "Time-zone row 0 to 70 (see --zones), e.g. 34 for Indian Time.", "ROW"},
      {"dst", "Daylight saving time was in force."},
      {"lat", "Latitude of the birth place, degrees 0-90, minutes 0-59, N or S, e.g. 18:31N.",
       "DD:MM{N|S}"},
      {"lon", "Longitude of the birth place, degrees 0-180, minutes 0-59, E or W, e.g. 073:52E.",
       "DDD:MM{E|W}"},
      {"name", "Name of the person (shown only).", "TEXT"},
      {"city", "City of birth (shown only).", "TEXT"},
      {"state", "State of birth (shown only).", "TEXT"},
      {"country", "Country of birth (shown only).", "TEXT"},
  });
}

BirthParse BirthFromOptions(const QCommandLineParser& parser, PlaceFound& place) {
  BirthRequest request;
  BirthData& birth = request.birth;
  const bool from_atlas = parser.isSet("place");
  std::vector<const char*> needed = {"date", "time"};
  if (!from_atlas) needed.insert(needed.end(), {"zone", "lat", "lon"});
  for (const char* option : needed) {
    if (!parser.isSet(option))
      return {std::nullopt, {std::string("--") + option, "", "is missing"}};
  }
  const auto value = [&](const char* option) { return parser.value(option).toStdString(); };
  std::optional<InputError> error = ParseDate("--date", value("date"), birth);
  if (!error) error = ParseTime("--time", value("time"), birth);
  // The place first, so that the options given win over it.
  if (!error && from_atlas)
    error = ApplyPlace("--place", value("place"), parser.isSet("zone"), request, place);
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
    if (parser.isSet(option) || !from_atlas) *text = value(option);
  }
  return FinishBirth(std::move(request), OptionOf);
}

}  // namespace quendal::cli
