// The two text forms in which longitudes leave the computation, and the sign names that go
// with them. Texts are UTF-8; the degree mark is U+00B0.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/translatable.h"

namespace quendal {

inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
inline constexpr std::array<std::string_view, 12> SignShortNames = {
    QUENDAL_TRANSLATABLE("Names", "Ari"), QUENDAL_TRANSLATABLE("Names", "Tau"),
    QUENDAL_TRANSLATABLE("Names", "Gem"), QUENDAL_TRANSLATABLE("Names", "Can"),
    QUENDAL_TRANSLATABLE("Names", "Leo"), QUENDAL_TRANSLATABLE("Names", "Vir"),
    QUENDAL_TRANSLATABLE("Names", "Lib"), QUENDAL_TRANSLATABLE("Names", "Sco"),
    QUENDAL_TRANSLATABLE("Names", "Sag"), QUENDAL_TRANSLATABLE("Names", "Cap"),
    QUENDAL_TRANSLATABLE("Names", "Aqu"), QUENDAL_TRANSLATABLE("Names", "Pis")};
inline constexpr std::array<std::string_view, 12> SignFullNames = {
    QUENDAL_TRANSLATABLE("Names", "Aries"),       QUENDAL_TRANSLATABLE("Names", "Taurus"),
    QUENDAL_TRANSLATABLE("Names", "Gemini"),      QUENDAL_TRANSLATABLE("Names", "Cancer"),
    QUENDAL_TRANSLATABLE("Names", "Leo"),         QUENDAL_TRANSLATABLE("Names", "Virgo"),
    QUENDAL_TRANSLATABLE("Names", "Libra"),       QUENDAL_TRANSLATABLE("Names", "Scorpio"),
    QUENDAL_TRANSLATABLE("Names", "Sagittarius"), QUENDAL_TRANSLATABLE("Names", "Capricorn"),
    QUENDAL_TRANSLATABLE("Names", "Aquarius"),    QUENDAL_TRANSLATABLE("Names", "Pisces")};

// One step each way: below 0 gains 360, above 360 loses 360; 360 itself stays.
double Normalize360(double x);

// Long form, e.g. 24° 17' 52" Ari: whole degrees within the sign, minutes and seconds
// truncated, a negative argument taken by its absolute value.
std::string FormatLongitude(double x);

// Table form of a long-form text, e.g. "24 Ari 17": two-digit degrees, the sign, two-digit
// minutes; the seconds are dropped.
std::string FormatTableEntry(std::string_view text);

// Characters 4 to 6 of a table-form text: its sign abbreviation.
std::string_view TableEntrySign(std::string_view row);

// Index (0 = Aries) of a three-letter abbreviation; -1 when it is none of the twelve.
int SignIndex(std::string_view abbreviation);

}  // namespace quendal
