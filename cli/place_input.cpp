#include "cli/place_input.h"

#include "places/place_search.h"

namespace quendal::cli {
namespace {

constexpr int kListedPlaces = 20;

double Degrees(int hundred_thousandths) { return hundred_thousandths / 1e5; }

std::string Moment(const BirthData& birth) {
  const QDate date(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
  const QTime time(birth.BirthHour, birth.BirthMinute);
  return (date.toString(Qt::ISODate) + u' ' + time.toString(QStringLiteral("hh:mm"))).toStdString();
}

}  // namespace

std::optional<InputError> ApplyPlace(std::string_view field, const std::string& query,
                                     bool zone_given, BirthRequest& request, PlaceFound& found) {
  const Atlas& atlas = Atlas::Builtin();
  const std::vector<PlaceMatch> matches = SearchPlaces(atlas, QString::fromStdString(query), 1);
  const auto error = [&](std::string reason) {
    return InputError{std::string(field), query, std::move(reason)};
  };
  if (matches.empty()) return error("matches no place of the atlas (see --places)");
  BirthData& birth = request.birth;
  const AtlasPlace& place = atlas.Place(matches.front().place);
  found.index = matches.front().place;
  found.match = matches.front();
  found.choice =
      ChoosePlace(atlas, matches.front(), QDate(birth.BirthYear, birth.BirthMonth, birth.BirthDay),
                  QTime(birth.BirthHour, birth.BirthMinute));
  const PlaceEntry& entry = found.choice.entry;
  birth.BirthCity = entry.city.toStdString();
  birth.BirthState = entry.state.toStdString();
  birth.BirthCountry = entry.country.toStdString();
  birth.LatitudeDegrees = entry.latitude_degrees;
  birth.LatitudeMinutes = entry.latitude_minutes;
  birth.LatitudeIsSouth = entry.latitude_is_south;
  birth.LongitudeDegrees = entry.longitude_degrees;
  birth.LongitudeMinutes = entry.longitude_minutes;
  birth.LongitudeIsEast = entry.longitude_is_east;
  birth.DaylightSaving = false;
  const ZoneInForce& zone = found.choice.zone;
  if (zone.Row() >= 0) request.zone_row = zone.Row();
  if (zone_given) return std::nullopt;
  // Options and batch columns name the zone differently.
  const std::string zone_hint = field.starts_with("--") ? "give the row with --zone (see --zones)"
                                                        : "give the row in a ZoneRow column";
  const std::string where = "is " + atlas.Label(matches.front()).toStdString() + " (" +
                            atlas.ZoneOf(place).toStdString() + "), ";
  switch (zone.verdict) {
    case ZoneVerdict::Found:
    case ZoneVerdict::Twice:
    case ZoneVerdict::NoSuchDate:  // the date checks name it
      return std::nullopt;
    case ZoneVerdict::NoRow:
      return error(where + "which kept " + UtcOffsetText(zone.chosen.offset_seconds).toStdString() +
                   " at " + Moment(birth) + ", an offset no zone row has; " + zone_hint);
    case ZoneVerdict::DidNotExist:
      return error(where + "where the clock time " + Moment(birth) +
                   " did not exist (the clocks went forward)");
    case ZoneVerdict::UnknownZone:
      break;
  }
  return error("lies in the time zone " + atlas.ZoneOf(place).toStdString() +
               ", which this system does not know; " + zone_hint);
}

QJsonObject PlaceJson(const PlaceFound& found) {
  const Atlas& atlas = Atlas::Builtin();
  const AtlasPlace& place = atlas.Place(found.index);
  const ZoneInForce& zone = found.choice.zone;
  const bool has_offset = zone.verdict == ZoneVerdict::Found ||
                          zone.verdict == ZoneVerdict::Twice || zone.verdict == ZoneVerdict::NoRow;
  return {
      {"City", atlas.CityName(found.match)},
      {"State", atlas.StateOf(place).name},
      {"Country", atlas.CountryOf(place).name},
      {"Latitude", Degrees(place.latitude)},
      {"Longitude", Degrees(place.longitude)},
      {"TimeZoneId", atlas.ZoneOf(place)},
      {"UtcOffsetSeconds", has_offset ? QJsonValue(zone.chosen.offset_seconds) : QJsonValue()},
      {"ZoneRow", zone.Row() >= 0 ? QJsonValue(zone.Row()) : QJsonValue()},
      {"DaylightSaving", false},
      {"ZoneNote", found.choice.note},
  };
}

std::string PlaceListText(const QString& query) {
  const Atlas& atlas = Atlas::Builtin();
  QString text;
  for (const PlaceMatch& match : SearchPlaces(atlas, query, kListedPlaces)) {
    const AtlasPlace& place = atlas.Place(match.place);
    text += QStringList{atlas.CityName(match),
                        atlas.StateOf(place).name,
                        atlas.CountryOf(place).name,
                        QString::number(Degrees(place.latitude), 'f', 5),
                        QString::number(Degrees(place.longitude), 'f', 5),
                        atlas.ZoneOf(place),
                        QString::number(place.population)}
                .join(u'\t') +
            u'\n';
  }
  return text.toStdString();
}

}  // namespace quendal::cli
