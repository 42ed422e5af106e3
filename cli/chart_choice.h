// The conventions a chart is cast with (zodiac, ayanamsha, positions, node, dasha year), as
// quendal-chart reads them from its options and from the CSV columns Zodiac, Ayanamsha and
// Positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/birth_input.h"
#include "chart/chart_options.h"

namespace quendal::cli {

// An empty text leaves `options` as it is. Precise positions in a build without them are
// refused, naming why.
std::optional<InputError> ApplyZodiac(std::string_view field, std::string_view text,
                                      ChartOptions& options);
std::optional<InputError> ApplyPositions(std::string_view field, std::string_view text,
                                         ChartOptions& options);
// An ayanamsha asks for the sidereal zodiac; one but Lahiri needs the Swiss Ephemeris.
std::optional<InputError> ApplyAyanamsha(std::string_view field, std::string_view text,
                                         ChartOptions& options);
std::optional<InputError> ApplyNode(std::string_view field, std::string_view text,
                                    ChartOptions& options);
std::optional<InputError> ApplyDashaYear(std::string_view field, std::string_view text,
                                         ChartOptions& options);

// The texts of --zodiac, --positions, --ayanamsha, --node and --dasha-year, any empty.
struct ConventionTexts {
  std::string zodiac, positions, ayanamsha, node, dasha_year;
};
// All five, and the two that cannot go together: --zodiac tropical with an ayanamsha, the true
// node without precise positions.
std::optional<InputError> ApplyConventions(const ConventionTexts& given, ChartOptions& options);

}  // namespace quendal::cli
