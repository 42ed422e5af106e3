#include "vedic/divisional_signs.h"

#include <algorithm>
#include <charconv>

#include "chart/chart_cells.h"
#include "chart/translatable.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"

namespace quendal {
namespace {

constexpr int kSecondsPerSign = 30 * 3600;

// The whole number that ends just before `mark`, searching from `from`; advances `from`.
std::optional<int> NumberBefore(std::string_view text, std::string_view mark, std::size_t& from) {
  const std::size_t end = text.find(mark, from);
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view digits = text.substr(from, end - from);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  int value = 0;
  const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || rest != digits.data() + digits.size()) return std::nullopt;
  from = end + mark.size();
  return value;
}

int Mod12(int sign) { return ((sign % 12) + 12) % 12; }

// The first sign of the count by the quality of the sign: movable (Aries, Cancer, Libra,
// Capricorn), fixed, dual.
int ByQuality(int sign, int movable, int fixed, int dual) {
  const int quality = sign % 3;
  return quality == 0 ? movable : quality == 1 ? fixed : dual;
}

// The Trimshamsha's unequal parts, in arc seconds from the start of the sign: where each part
// ends and its sign. Odd signs run Mars, Saturn, Jupiter, Mercury, Venus; even signs the
// reverse, with the lords' other signs.
struct TrimshaPart {
  int ends;
  int sign;
};
constexpr int kDegree = 3600;
constexpr std::array<TrimshaPart, 5> kOddTrimsha = {{{5 * kDegree, 0},
                                                     {10 * kDegree, 10},
                                                     {18 * kDegree, 8},
                                                     {25 * kDegree, 2},
                                                     {30 * kDegree, 6}}};
constexpr std::array<TrimshaPart, 5> kEvenTrimsha = {{{5 * kDegree, 1},
                                                      {12 * kDegree, 5},
                                                      {20 * kDegree, 11},
                                                      {25 * kDegree, 9},
                                                      {30 * kDegree, 7}}};

int TrimshaSign(bool odd, int x) {
  for (const TrimshaPart& part : odd ? kOddTrimsha : kEvenTrimsha)
    if (x < part.ends) return part.sign;
  return -1;
}

}  // namespace

bool IsDivision(int division) {
  return std::find(kDivisions.begin(), kDivisions.end(), division) != kDivisions.end();
}

std::string_view DivisionName(int division) {
  switch (division) {
    case 1:
      return QUENDAL_TRANSLATABLE("Names", "Birth Chart (D1)");
    case 2:
      return QUENDAL_TRANSLATABLE("Names", "Hora (D2)");
    case 3:
      return QUENDAL_TRANSLATABLE("Names", "Drekkana (D3)");
    case 7:
      return QUENDAL_TRANSLATABLE("Names", "Sapthamsa (D7)");
    case 9:
      return QUENDAL_TRANSLATABLE("Names", "Navamsa (D9)");
    case 10:
      return QUENDAL_TRANSLATABLE("Names", "Dasamsa (D10)");
    case 12:
      return QUENDAL_TRANSLATABLE("Names", "Dwadasamsa (D12)");
    case 4:
      return QUENDAL_TRANSLATABLE("Names", "Chaturthamsha (D4)");
    case 16:
      return QUENDAL_TRANSLATABLE("Names", "Shodashamsha (D16)");
    case 20:
      return QUENDAL_TRANSLATABLE("Names", "Vimshamsha (D20)");
    case 24:
      return QUENDAL_TRANSLATABLE("Names", "Chaturvimshamsha (D24)");
    case 27:
      return QUENDAL_TRANSLATABLE("Names", "Saptavimshamsha (D27)");
    case 30:
      return QUENDAL_TRANSLATABLE("Names", "Trimshamsha (D30)");
    case 40:
      return QUENDAL_TRANSLATABLE("Names", "Khavedamsha (D40)");
    case 45:
      return QUENDAL_TRANSLATABLE("Names", "Akshavedamsha (D45)");
    case 60:
      return QUENDAL_TRANSLATABLE("Names", "Shashtiamsha (D60)");
    default:
      return {};
  }
}

std::string DivisionList() {
  std::string list;
  for (int division : kDivisions) {
    if (!list.empty()) list += ", ";
    list += std::to_string(division);
  }
  return list;
}

std::optional<SignArc> ParseLongitudeText(std::string_view text) {
  std::size_t at = 0;
  const auto degrees = NumberBefore(text, "\u00b0", at);
  const auto minutes = degrees ? NumberBefore(text, "'", at) : std::nullopt;
  const auto seconds = minutes ? NumberBefore(text, "\"", at) : std::nullopt;
  if (!seconds || text.size() < 3) return std::nullopt;
  const int sign = SignIndex(text.substr(text.size() - 3));
  const int arc = *degrees * 3600 + *minutes * 60 + *seconds;
  if (sign < 0 || arc < 0 || arc >= kSecondsPerSign) return std::nullopt;
  return SignArc{sign, arc};
}

int DivisionalSign(int division, const SignArc& position) {
  const int s = position.sign;
  const int x = position.seconds;
  // Aries, Gemini, ... are the odd signs: even indexes counting from Aries = 0.
  const bool odd = s % 2 == 0;
  const int part = static_cast<int>(static_cast<long long>(x) * division / kSecondsPerSign);
  switch (division) {
    case 2:
      return (x < kSecondsPerSign / 2) == odd ? 4 : 3;  // Leo or Cancer
    case 3:
      return Mod12(s + 4 * part);
    case 7:
      return Mod12(s + (odd ? 0 : 6) + part);
    case 9:
      // Counting parts from Aries through the whole zodiac: fire signs start from Aries,
      // earth from Capricorn, air from Libra, water from Cancer.
      return Mod12(s * 9 + part);
    case 10:
      return Mod12(s + (odd ? 0 : 8) + part);
    case 12:
      return Mod12(s + part);
    case 4:
      return Mod12(s + 3 * part);
    case 16:
      return Mod12(ByQuality(s, 0, 4, 8) + part);
    case 20:
      return Mod12(ByQuality(s, 0, 8, 4) + part);
    case 24:
      return Mod12((odd ? 4 : 3) + part);
    case 27:
      // Fiery, earthy, airy and watery signs follow each other from Aries on.
      return Mod12(3 * (s % 4) + part);
    case 30:
      return TrimshaSign(odd, x);
    case 40:
      return Mod12((odd ? 0 : 6) + part);
    case 45:
      return Mod12(ByQuality(s, 0, 4, 8) + part);
    case 60:
      return Mod12(s + part);
    default:
      return s;
  }
}

std::array<std::string_view, 10> LongTexts(const Chart& chart) {
  const auto& p = chart.PlanetTexts;
  return {p[kSun],     chart.MoonText, p[kMercury],    p[kVenus],      p[kMars],
          p[kJupiter], p[kSaturn],     chart.RahuText, chart.KetuText, chart.AscendantText};
}

Chart DivisionalChart(const Chart& chart, int division) {
  if (division == 1 || !IsDivision(division)) return chart;
  Chart divisional = chart;
  std::array<int, 10> signs{};
  const auto texts = LongTexts(chart);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto position = ParseLongitudeText(texts[i]);
    signs[i] = position ? DivisionalSign(division, *position) : -1;
  }
  PlaceInCells(divisional, signs);
  return divisional;
}

}  // namespace quendal
