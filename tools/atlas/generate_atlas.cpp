// Writes the place atlas the programs compile in, from the GeoNames places that libgeonames
// carries, and the other names of places from a table of our own. Usage:
//   generate_atlas OUTPUT ALTERNATES   write the atlas (ALTERNATES: alternate_names.tsv)
//   generate_atlas --check ATLAS       compare ATLAS with the library, place by place
// The atlas is UTF-8 text: a header, then the time zones, countries and states each listed
// once, then one place a line, most populous first:
//   name TAB state-index TAB zone-index TAB latitude TAB longitude TAB population
// with coordinates in hundred-thousandths of a degree (the precision of GeoNames), and last
// the other names, one a line: place-index TAB former|current TAB name.

#include <geonames.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct City {
  std::string name, state, country, code, zone;
  long latitude, longitude;  // 1e-5 degree
  unsigned population;
};

std::string Text(const char* text) {
  std::string value = text ? text : "";
  // A tab or a line break would break a line apart; none occurs, but never trust it.
  for (char& c : value)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return value;
}

long Scaled(double degrees) { return std::lround(degrees * 1e5); }

std::vector<City> ReadCities() {
  std::vector<City> cities;
  const int count = geonames_get_n_cities();
  for (int i = 0; i < count; ++i) {
    GeonamesCity* c = geonames_get_city(i);
    cities.push_back({Text(geonames_city_get_name(c)), Text(geonames_city_get_state(c)),
                      Text(geonames_city_get_country(c)), Text(geonames_city_get_country_code(c)),
                      Text(geonames_city_get_timezone(c)), Scaled(geonames_city_get_latitude(c)),
                      Scaled(geonames_city_get_longitude(c)), geonames_city_get_population(c)});
    geonames_city_free(c);
  }
  return cities;
}

auto Key(const City& c) {
  // Most populous first; the rest only makes the order total, so two runs agree.
  return std::make_tuple(-static_cast<long long>(c.population), c.name, c.state, c.country, c.code,
                         c.zone, c.latitude, c.longitude);
}

// Each distinct value once, in byte order, with its index.
template <typename T>
std::map<T, int> Indexed(const std::vector<City>& cities, T (*value)(const City&)) {
  std::map<T, int> index;
  for (const City& c : cities) index.emplace(value(c), 0);
  int next = 0;
  for (auto& [key, position] : index) position = next++;
  return index;
}

struct Alternate {
  std::string place, code, name, kind;
};

std::vector<std::string> Fields(const std::string& line);

// The table's rows; a row that names no place of the library stops the generator.
bool ReadAlternates(const std::string& path, std::vector<Alternate>& alternates) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return false;
  }
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto fields = Fields(line);
    if (fields.size() != 5 || (fields[3] != "former" && fields[3] != "current")) {
      std::fprintf(stderr, "not a row of alternate names: %s\n", line.c_str());
      return false;
    }
    alternates.push_back({fields[0], fields[1], fields[2], fields[3]});
  }
  return true;
}

std::string Write(std::vector<City> cities, const std::vector<Alternate>& alternates,
                  bool& complete) {
  std::sort(cities.begin(), cities.end(),
            [](const City& a, const City& b) { return Key(a) < Key(b); });
  using Country = std::pair<std::string, std::string>;  // name, code
  using State = std::pair<Country, std::string>;
  const auto zones = Indexed<std::string>(cities, [](const City& c) { return c.zone; });
  const auto countries = Indexed<Country>(cities, [](const City& c) {
    return Country{c.country, c.code};
  });
  const auto states = Indexed<State>(cities, [](const City& c) {
    return State{Country{c.country, c.code}, c.state};
  });

  std::ostringstream out;
  out << "quendal-atlas\t1\n"
      << "# Places from GeoNames (geonames.org), CC BY 4.0, as carried by libgeonames;"
         " made by tools/atlas\n";
  out << "zones\t" << zones.size() << "\n";
  for (const auto& [zone, i] : zones) out << zone << "\n";
  out << "countries\t" << countries.size() << "\n";
  for (const auto& [country, i] : countries) out << country.second << "\t" << country.first << "\n";
  out << "states\t" << states.size() << "\n";
  for (const auto& [state, i] : states)
    out << countries.at(state.first) << "\t" << state.second << "\n";
  out << "places\t" << cities.size() << "\n";
  for (const City& c : cities) {
    out << c.name << "\t" << states.at(State{Country{c.country, c.code}, c.state}) << "\t"
        << zones.at(c.zone) << "\t" << c.latitude << "\t" << c.longitude << "\t" << c.population
        << "\n";
  }
  out << "alternates\t" << alternates.size() << "\n";
  complete = true;
  for (const Alternate& a : alternates) {
    // Most populous first, so the first of the name in the country is the one meant.
    const auto place = std::find_if(cities.begin(), cities.end(), [&](const City& c) {
      return c.name == a.place && c.code == a.code;
    });
    if (place == cities.end()) {
      std::fprintf(stderr, "no place %s in %s\n", a.place.c_str(), a.code.c_str());
      complete = false;
      continue;
    }
    out << (place - cities.begin()) << "\t" << a.kind << "\t" << a.name << "\n";
  }
  return out.str();
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// Reads the atlas back on its own (not with the program's reader) and finds every place of
// the library in it with the same state, country, zone, coordinates and population.
int Check(const std::string& path, const std::vector<City>& cities) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  std::string line;
  std::vector<std::vector<std::string>> sections[4];
  int section = -1;
  long remaining = 0;
  while (std::getline(in, line)) {
    if (remaining == 0) {
      const auto fields = Fields(line);
      static const char* const names[] = {"zones", "countries", "states", "places"};
      for (int s = 0; s < 4; ++s) {
        if (fields.size() == 2 && fields[0] == names[s]) {
          section = s;
          remaining = std::stol(fields[1]);
        }
      }
      continue;
    }
    sections[section].push_back(Fields(line));
    --remaining;
  }
  std::multimap<std::string, const std::vector<std::string>*> by_name;
  for (const auto& place : sections[3]) by_name.emplace(place[0], &place);
  int missing = 0;
  for (const City& c : cities) {
    bool found = false;
    auto [first, last] = by_name.equal_range(c.name);
    for (auto it = first; it != last && !found; ++it) {
      const auto& p = *it->second;
      const auto& state = sections[2][std::stoul(p[1])];
      const auto& country = sections[1][std::stoul(state[0])];
      found = state[1] == c.state && country[1] == c.country && country[0] == c.code &&
              sections[0][std::stoul(p[2])][0] == c.zone && std::stol(p[3]) == c.latitude &&
              std::stol(p[4]) == c.longitude && std::stoul(p[5]) == c.population;
    }
    if (!found) {
      if (++missing <= 10)
        std::fprintf(stderr, "not in the atlas: %s, %s\n", c.name.c_str(), c.state.c_str());
    }
  }
  std::printf("%zu places in the library, %zu in the atlas, %d missing\n", cities.size(),
              sections[3].size(), missing);
  return missing == 0 && sections[3].size() == cities.size() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Names must not follow the caller's language.
  unsetenv("LANGUAGE");
  std::setlocale(LC_ALL, "C");
  const std::vector<City> cities = ReadCities();
  if (argc == 3 && std::string(argv[1]) == "--check") return Check(argv[2], cities);
  std::vector<Alternate> alternates;
  if (argc != 3) {
    std::fprintf(stderr, "usage: generate_atlas OUTPUT ALTERNATES | --check ATLAS\n");
    return 2;
  }
  if (!ReadAlternates(argv[2], alternates)) return 1;
  // GeoNames gives five decimals; anything finer would be lost by the scaling.
  int coarse = 0;
  for (int i = 0; i < geonames_get_n_cities(); ++i) {
    GeonamesCity* c = geonames_get_city(i);
    for (double value : {geonames_city_get_latitude(c), geonames_city_get_longitude(c)})
      if (std::fabs(value * 1e5 - std::round(value * 1e5)) > 1e-4) ++coarse;
    geonames_city_free(c);
  }
  bool complete = false;
  const std::string text = Write(cities, alternates, complete);
  if (!complete) return 1;
  std::ofstream out(argv[1], std::ios::binary);
  out << text;
  if (!out) return 1;
  std::printf("%zu places, %zu alternate names, %d coordinates finer than 1e-5 degree\n",
              cities.size(), alternates.size(), coarse);
  return 0;
}
