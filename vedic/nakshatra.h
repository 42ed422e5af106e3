// The Moon's nakshatra: 27 equal parts of the sidereal zodiac from 0° Aries, each of four
// padas, each ruled by one of the nine Vimshottari lords.
#pragma once

#include <array>
#include <string_view>

#include "chart/nakshatra_place.h"

namespace quendal {

inline constexpr std::array<std::string_view, 27> kNakshatraNames = {"Ashwini",
                                                                     "Bharani",
                                                                     "Krittika",
                                                                     "Rohini",
                                                                     "Mrigashira",
                                                                     "Ardra",
                                                                     "Punarvasu",
                                                                     "Pushya",
                                                                     "Ashlesha",
                                                                     "Magha",
                                                                     "Purva Phalguni",
                                                                     "Uttara Phalguni",
                                                                     "Hasta",
                                                                     "Chitra",
                                                                     "Swati",
                                                                     "Vishakha",
                                                                     "Anuradha",
                                                                     "Jyeshtha",
                                                                     "Mula",
                                                                     "Purva Ashadha",
                                                                     "Uttara Ashadha",
                                                                     "Shravana",
                                                                     "Dhanishta",
                                                                     "Shatabhisha",
                                                                     "Purva Bhadrapada",
                                                                     "Uttara Bhadrapada",
                                                                     "Revati"};

// The Vimshottari order of the lords, which is also the order of the nakshatras' lords
// from Ashwini on, and each lord's years.
inline constexpr std::array<std::string_view, 9> kDashaLords = {
    "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};
inline constexpr std::array<int, 9> kDashaYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// Of a sidereal longitude in degrees; any value is first brought into 0..360.
NakshatraPlace NakshatraOf(double sidereal_longitude);

}  // namespace quendal
