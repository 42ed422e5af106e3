// The Sun, the planets and the nodes for one birth, as numbers and long-form texts, and the
// ten-row positions table that the chart and the export read.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/birth_data.h"

namespace quendal {

struct PlanetPositions {
  double d = 0;                        // days from J2000, from the calendar rule
  std::array<double, 6> longitudes{};  // engine order: Mercury, Venus, Sun, Mars, ...
  double Rahu = 0;
  double Ketu = 0;
  std::array<std::string, 6> PlanetTexts;  // same order
  std::string RahuText;
  std::string KetuText;
};
PlanetPositions ComputePlanetPositions(const BirthData& birth);

// Rows: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, ascendant.
inline constexpr int kPositionsRowCount = 10;
std::array<std::string, kPositionsRowCount> PositionsTable(const PlanetPositions& planets,
                                                           std::string_view MoonText,
                                                           std::string_view AscendantText);

// Names beside table rows 0 to 6 and the ascendant; Rahu and Ketu have none, entry 8 is empty.
inline constexpr std::array<std::string_view, 9> BodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Asc", ""};

}  // namespace quendal
