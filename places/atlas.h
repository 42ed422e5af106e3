// The atlas of places compiled into the programs (GeoNames, made by tools/atlas): names,
// coordinates, IANA time zone and population, most populous first.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quendal {

struct AtlasCountry {
  QString code;  // ISO 3166, e.g. "IN"
  QString name;
  QString folded_name;  // see FoldForSearch
};

struct AtlasState {
  int country = 0;
  QString name;
  QString folded_name;
};

struct AtlasPlace {
  QString name;
  QString folded_name;
  int state = 0;
  int zone = 0;
  int latitude = 0;   // hundred-thousandths of a degree, north positive
  int longitude = 0;  // east positive
  quint32 population = 0;
};

// Another name of a place: a former one still found on birth records ("Bombay" for Mumbai),
// or the current official one where the atlas holds the older ("Thiruvananthapuram" for
// Trivandrum).
struct AtlasAlternate {
  int place = 0;
  QString name;
  QString folded_name;
  bool current = false;
};

// A place found by a search, and the alternate name it was found by (-1: its own name).
struct PlaceMatch {
  int place = 0;
  int alternate = -1;
  bool operator==(const PlaceMatch&) const = default;
};

class Atlas {
 public:
  // The atlas of the resource, read on the first call: the form calls it at the first
  // keystroke in the city field, never at start-up.
  static const Atlas& Builtin();
  // nullopt when the text is not an atlas.
  static std::optional<Atlas> Parse(const QByteArray& text);

  const std::vector<AtlasPlace>& Places() const { return places_; }
  const AtlasPlace& Place(int index) const { return places_[static_cast<size_t>(index)]; }
  const AtlasState& StateOf(const AtlasPlace& place) const {
    return states_[static_cast<size_t>(place.state)];
  }
  const AtlasCountry& CountryOf(const AtlasPlace& place) const {
    return countries_[static_cast<size_t>(StateOf(place).country)];
  }
  const std::vector<AtlasState>& States() const { return states_; }
  const std::vector<AtlasCountry>& Countries() const { return countries_; }
  const QString& ZoneOf(const AtlasPlace& place) const {
    return zones_[static_cast<size_t>(place.zone)];
  }
  const std::vector<AtlasAlternate>& Alternates() const { return alternates_; }
  // "City, State, Country", as the list of matches shows it.
  QString Label(const AtlasPlace& place) const;
  // A match by an alternate name shows the current name with the other in brackets:
  // "Mumbai (Bombay), Maharashtra, India".
  QString Label(const PlaceMatch& match) const;
  // The name the form takes: the current one.
  QString CityName(const PlaceMatch& match) const;

 private:
  std::vector<QString> zones_;
  std::vector<AtlasCountry> countries_;
  std::vector<AtlasState> states_;
  std::vector<AtlasPlace> places_;
  std::vector<AtlasAlternate> alternates_;
};

}  // namespace quendal
