#include "cli/birth_options.h"

#include <string_view>

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

BirthParse BirthFromOptions(const QCommandLineParser& parser) {
  BirthRequest request;
  BirthData& birth = request.birth;
  const auto missing = [](const char* option) {
    return BirthParse{std::nullopt, {std::string("--") + option, "", "is missing"}};
  };
  for (const char* option : {"date", "time", "zone", "lat", "lon"})
    if (!parser.isSet(option)) return missing(option);

  const std::string date = parser.value("date").toStdString();
  const std::string time = parser.value("time").toStdString();
  const std::string zone = parser.value("zone").toStdString();
  const std::string lat = parser.value("lat").toStdString();
  const std::string lon = parser.value("lon").toStdString();
  std::optional<InputError> error = ParseDate("--date", date, birth);
  if (!error) error = ParseTime("--time", time, birth);
  if (!error) {
    const auto row = ParseInteger(zone);
    if (row)
      request.zone_row = *row;
    else
      error = InputError{"--zone", zone, "is not a row number 0 to 70 (see --zones)"};
  }
  if (!error) error = ParseLatitude("--lat", lat, birth);
  if (!error) error = ParseLongitude("--lon", lon, birth);
  if (error) return {std::nullopt, *error};

  birth.DaylightSaving = parser.isSet("dst");
  birth.PersonName = parser.value("name").toStdString();
  birth.BirthCity = parser.value("city").toStdString();
  birth.BirthState = parser.value("state").toStdString();
  birth.BirthCountry = parser.value("country").toStdString();
  return FinishBirth(std::move(request), OptionOf);
}

}  // namespace quendal::cli
