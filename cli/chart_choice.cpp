#include "cli/chart_choice.h"

#include <string>

#include "vedic/precise_engine.h"

namespace quendal::cli {

std::optional<InputError> ApplyZodiac(std::string_view field, std::string_view text,
                                      ChartOptions& options) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const auto zodiac = ParseZodiac(text);
  if (!zodiac)
    return InputError{std::string(field), std::string(text), "is not tropical or sidereal"};
  options.zodiac = *zodiac;
  return std::nullopt;
}

std::optional<InputError> ApplyPositions(std::string_view field, std::string_view text,
                                         ChartOptions& options) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const auto positions = ParsePositions(text);
  if (!positions)
    return InputError{std::string(field), std::string(text), "is not classic or precise"};
  if (*positions == PositionsSource::Precise && !PrecisePositionsBuilt()) {
    return InputError{
        std::string(field), std::string(text),
        "is not available: this copy of Quendal was built without the Swiss Ephemeris"};
  }
  options.positions = *positions;
  return std::nullopt;
}

std::optional<InputError> ApplyAyanamsha(std::string_view field, std::string_view text,
                                         ChartOptions& options) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const auto ayanamsha = ParseAyanamsha(text);
  if (!ayanamsha) {
    return InputError{std::string(field), std::string(text),
                      "is not lahiri, krishnamurti, raman, true-chitrapaksha, yukteshwar or "
                      "fagan-bradley"};
  }
  if (*ayanamsha != AyanamshaSystem::Lahiri && !PrecisePositionsBuilt()) {
    return InputError{
        std::string(field), std::string(text),
        "is not available: this copy of Quendal was built without the Swiss Ephemeris"};
  }
  options.zodiac = Zodiac::SiderealLahiri;
  options.ayanamsha = *ayanamsha;
  return std::nullopt;
}

std::optional<InputError> ApplyNode(std::string_view field, std::string_view text,
                                    ChartOptions& options) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const auto node = ParseNode(text);
  if (!node) return InputError{std::string(field), std::string(text), "is not mean or true"};
  options.node = *node;
  return std::nullopt;
}

std::optional<InputError> ApplyDashaYear(std::string_view field, std::string_view text,
                                         ChartOptions& options) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const auto year = ParseDashaYear(text);
  if (!year)
    return InputError{std::string(field), std::string(text), "is not julian, sidereal or savana"};
  options.dasha_year = *year;
  return std::nullopt;
}

std::optional<InputError> ApplyConventions(const ConventionTexts& given, ChartOptions& options) {
  std::optional<InputError> error = ApplyZodiac("--zodiac", given.zodiac, options);
  if (!error && !TrimBlanks(given.ayanamsha).empty() && options.zodiac == Zodiac::Tropical &&
      !TrimBlanks(given.zodiac).empty()) {
    error = InputError{"--ayanamsha", given.ayanamsha, "needs the sidereal zodiac, not tropical"};
  }
  if (!error) error = ApplyAyanamsha("--ayanamsha", given.ayanamsha, options);
  if (!error) error = ApplyPositions("--positions", given.positions, options);
  if (!error) error = ApplyNode("--node", given.node, options);
  if (!error && options.node == NodeKind::True && options.positions != PositionsSource::Precise)
    error = InputError{"--node", given.node, "needs --positions precise"};
  if (!error) error = ApplyDashaYear("--dasha-year", given.dasha_year, options);
  return error;
}

}  // namespace quendal::cli
