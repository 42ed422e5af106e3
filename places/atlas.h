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
  // "City, State, Country", as the list of matches shows it.
  QString Label(const AtlasPlace& place) const;

 private:
  std::vector<QString> zones_;
  std::vector<AtlasCountry> countries_;
  std::vector<AtlasState> states_;
  std::vector<AtlasPlace> places_;
};

}  // namespace quendal
