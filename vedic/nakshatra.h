// The Moon's nakshatra: 27 equal parts of the sidereal zodiac from 0° Aries, each of four
// padas, each ruled by one of the nine Vimshottari lords.
#pragma once

#include <array>
#include <string_view>

#include "chart/nakshatra_place.h"
#include "chart/translatable.h"

namespace quendal {

inline constexpr std::array<std::string_view, 27> kNakshatraNames = {
    QUENDAL_TRANSLATABLE("Names", "Ashwini"),
    QUENDAL_TRANSLATABLE("Names", "Bharani"),
    QUENDAL_TRANSLATABLE("Names", "Krittika"),
    QUENDAL_TRANSLATABLE("Names", "Rohini"),
    QUENDAL_TRANSLATABLE("Names", "Mrigashira"),
    QUENDAL_TRANSLATABLE("Names", "Ardra"),
    QUENDAL_TRANSLATABLE("Names", "Punarvasu"),
    QUENDAL_TRANSLATABLE("Names", "Pushya"),
    QUENDAL_TRANSLATABLE("Names", "Ashlesha"),
    QUENDAL_TRANSLATABLE("Names", "Magha"),
    QUENDAL_TRANSLATABLE("Names", "Purva Phalguni"),
    QUENDAL_TRANSLATABLE("Names", "Uttara Phalguni"),
    QUENDAL_TRANSLATABLE("Names", "Hasta"),
    QUENDAL_TRANSLATABLE("Names", "Chitra"),
    QUENDAL_TRANSLATABLE("Names", "Swati"),
    QUENDAL_TRANSLATABLE("Names", "Vishakha"),
    QUENDAL_TRANSLATABLE("Names", "Anuradha"),
    QUENDAL_TRANSLATABLE("Names", "Jyeshtha"),
    QUENDAL_TRANSLATABLE("Names", "Mula"),
    QUENDAL_TRANSLATABLE("Names", "Purva Ashadha"),
    QUENDAL_TRANSLATABLE("Names", "Uttara Ashadha"),
    QUENDAL_TRANSLATABLE("Names", "Shravana"),
    QUENDAL_TRANSLATABLE("Names", "Dhanishta"),
    QUENDAL_TRANSLATABLE("Names", "Shatabhisha"),
    QUENDAL_TRANSLATABLE("Names", "Purva Bhadrapada"),
    QUENDAL_TRANSLATABLE("Names", "Uttara Bhadrapada"),
    QUENDAL_TRANSLATABLE("Names", "Revati")};

// The Vimshottari order of the lords, which is also the order of the nakshatras' lords
// from Ashwini on, and each lord's years.
inline constexpr std::array<std::string_view, 9> kDashaLords = {
    QUENDAL_TRANSLATABLE("Names", "Ketu"),    QUENDAL_TRANSLATABLE("Names", "Venus"),
    QUENDAL_TRANSLATABLE("Names", "Sun"),     QUENDAL_TRANSLATABLE("Names", "Moon"),
    QUENDAL_TRANSLATABLE("Names", "Mars"),    QUENDAL_TRANSLATABLE("Names", "Rahu"),
    QUENDAL_TRANSLATABLE("Names", "Jupiter"), QUENDAL_TRANSLATABLE("Names", "Saturn"),
    QUENDAL_TRANSLATABLE("Names", "Mercury")};
inline constexpr std::array<int, 9> kDashaYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// Of a sidereal longitude in degrees; any value is first brought into 0..360.
NakshatraPlace NakshatraOf(double sidereal_longitude);

}  // namespace quendal
