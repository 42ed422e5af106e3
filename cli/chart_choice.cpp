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

}  // namespace quendal::cli
