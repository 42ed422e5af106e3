// Ashtakoota guna milan: the eight kootas of the bride's and the groom's Moon, out of 36
// points, and the Mars check of each. Both charts are cast in the sidereal zodiac.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "match/manglik.h"

namespace quendal {

// The options both charts of a match are cast with: sidereal (Lahiri) whatever zodiac is
// shown, with the positions in force.
ChartOptions MatchOptions(const ChartOptions& in_force);

// What the kootas read from one chart.
struct MoonPlace {
  int nakshatra = 1;  // 1 = Ashwini
  int pada = 1;
  int sign = 1;  // 1 = Aries
  double degrees_in_sign = 0;
};
MoonPlace MoonPlaceOf(const Chart& sidereal_chart);

struct KootaRow {
  std::string name;   // "Varna" ... "Nadi"
  std::string bride;  // the bride's attribute, e.g. "Deva"
  std::string groom;
  double points = 0;
  double max = 0;
};

inline constexpr double kMatchMaximum = 36;
inline constexpr double kCustomaryMinimum = 18;

struct MatchResult {
  std::array<KootaRow, 8> kootas;  // in the order Varna to Nadi
  double total = 0;
  std::vector<std::string> doshas;  // "Bhakoot dosha", "Nadi dosha"
  MarsCheck bride_mars;
  MarsCheck groom_mars;
};

MatchResult MatchMoons(const MoonPlace& bride, const MoonPlace& groom);

// Both charts cast with MatchOptions.
MatchResult MatchCharts(const Chart& bride, const Chart& groom);

}  // namespace quendal
