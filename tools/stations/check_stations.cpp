// Checks the committed station tables against the ephemeris by a second route: near every
// table entry the station is found again as the zero of a five-point derivative of the
// apparent longitude over hours (the generator uses a quarter-hour central difference),
// and compared with the entry. Usage:
//   check_stations EPHEMERIS_DIR moon_retro/station_tables.cpp [STEP] [speed] [analytical]
// STEP (default 1) checks every STEP-th period; "speed" uses the library's own speed
// instead of the derivative; "analytical" the library's built-in analytical ephemeris
// instead of the files, as a second opinion.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris.h"

namespace stations {
namespace {

constexpr double kStep = 0.125;
bool use_library_speed = false;

double DerivativeSpeed(int body, double t) {
  if (use_library_speed) return LongitudeSpeed(body, t);
  double centre = Longitude(body, t);
  auto offset = [&](double dt) { return std::remainder(Longitude(body, t + dt) - centre, 360.0); };
  return (8 * (offset(kStep) - offset(-kStep)) - (offset(2 * kStep) - offset(-2 * kStep))) /
         (12 * kStep);
}

// Station of the wanted kind within two days of the guess; NAN when there is none.
double FindStation(int body, double guess, bool retrograde) {
  double low = guess - 2.0, high = guess + 2.0;
  double low_speed = DerivativeSpeed(body, low);
  double high_speed = DerivativeSpeed(body, high);
  if ((low_speed > 0) != retrograde || (high_speed > 0) == retrograde) return NAN;
  while (high - low > 1e-7) {
    double middle = 0.5 * (low + high);
    if ((DerivativeSpeed(body, middle) > 0) == (low_speed > 0)) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return 0.5 * (low + high);
}

std::vector<std::string> ReadList(const std::string& source, const std::string& name) {
  std::vector<std::string> list;
  size_t begin = source.find(name + "{");
  if (begin == std::string::npos) return list;
  size_t end = source.find("};", begin);
  std::string block = source.substr(begin, end - begin);
  std::regex entry("\"([0-9,]+)\"");
  for (std::sregex_iterator it(block.begin(), block.end(), entry), last; it != last; ++it) {
    list.push_back((*it)[1]);
  }
  return list;
}

}  // namespace
}  // namespace stations

int main(int argc, char** argv) {
  using namespace stations;
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s EPHEMERIS_DIR station_tables.cpp [STEP] [speed] [analytical]\n",
                 argv[0]);
    return 2;
  }
  OpenEphemeris(argv[1]);
  int step = 1;
  for (int i = 3; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "analytical") {
      UseAnalyticalEphemeris();
    } else if (option == "speed") {
      use_library_speed = true;
    } else {
      step = std::max(1, std::atoi(argv[i]));
    }
  }
  std::ifstream file(argv[2]);
  std::stringstream buffer;
  buffer << file.rdbuf();
  const std::string source = buffer.str();

  double largest_all = 0;
  int failures = 0;
  for (const Planet& planet : kPlanets) {
    std::string stem = std::string("k") + planet.name;
    std::vector<std::string> lists[2] = {ReadList(source, stem + "Starts"),
                                         ReadList(source, stem + "Ends")};
    if (lists[0].empty() || lists[0].size() != lists[1].size()) {
      std::printf("%s: lists missing or of different lengths\n", planet.name);
      return 1;
    }
    double largest = 0;
    std::string worst;
    int checked = 0, over_one = 0;
    const size_t n = lists[0].size();
    // The first and last periods are the fixed ones; only computed entries are measured.
    for (size_t i = 1; i + 1 < n; i += step) {
      for (int kind = 0; kind < 2; ++kind) {
        Moment moment{};
        if (!FromText(lists[kind][i], &moment)) {
          std::printf("%s: malformed entry %s\n", planet.name, lists[kind][i].c_str());
          ++failures;
          continue;
        }
        double station = FindStation(planet.body, ToJulianDay(moment), kind == 0);
        if (std::isnan(station)) {
          std::printf("%s: no station near %s\n", planet.name, lists[kind][i].c_str());
          ++failures;
          continue;
        }
        double minutes = std::fabs(ToJulianDay(moment) - station) * 1440.0;
        ++checked;
        if (minutes > 1.0) ++over_one;
        if (minutes > largest) {
          largest = minutes;
          worst = lists[kind][i];
        }
      }
    }
    std::printf("%-8s %4d entries checked, largest difference %.2f min (%s), %d over 1 min\n",
                planet.name, checked, largest, worst.c_str(), over_one);
    largest_all = std::max(largest_all, largest);
  }
  CloseEphemeris();
  std::printf("largest difference over all planets: %.2f min\n", largest_all);
  return failures == 0 && largest_all <= 2.0 ? 0 : 1;
}
