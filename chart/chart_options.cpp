#include "chart/chart_options.h"

#include <algorithm>
#include <cctype>

namespace quendal {
namespace {

bool SameWord(std::string_view text, std::string_view word) {
  return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

std::string DescribeChartOptions(const ChartOptions& options) {
  if (options.IsDefault()) return {};
  std::string text(ZodiacName(options.zodiac));
  text += " \u00b7 ";
  text += options.positions == PositionsSource::Precise ? "Precise" : "Classic";
  return text;
}

std::string ZodiacAndPositionsText(const ChartOptions& options) {
  std::string text(ZodiacName(options.zodiac));
  text += " zodiac, ";
  text += PositionsKey(options.positions);
  text += " positions";
  return text;
}

std::string_view ZodiacName(Zodiac zodiac) {
  return zodiac == Zodiac::SiderealLahiri ? "Sidereal (Lahiri)" : "Tropical";
}

std::string_view PositionsName(PositionsSource positions) {
  return positions == PositionsSource::Precise ? "Precise (Swiss Ephemeris)" : "Classic formulas";
}

std::string_view ZodiacKey(Zodiac zodiac) {
  return zodiac == Zodiac::SiderealLahiri ? "sidereal" : "tropical";
}

std::string_view PositionsKey(PositionsSource positions) {
  return positions == PositionsSource::Precise ? "precise" : "classic";
}

std::optional<Zodiac> ParseZodiac(std::string_view text) {
  for (Zodiac z : {Zodiac::Tropical, Zodiac::SiderealLahiri})
    if (SameWord(text, ZodiacKey(z))) return z;
  return std::nullopt;
}

std::optional<PositionsSource> ParsePositions(std::string_view text) {
  for (PositionsSource p : {PositionsSource::Classic, PositionsSource::Precise})
    if (SameWord(text, PositionsKey(p))) return p;
  return std::nullopt;
}

}  // namespace quendal
