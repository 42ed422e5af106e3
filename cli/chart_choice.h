// The zodiac and positions a chart is cast with, as quendal-chart reads them from its
// options and from the CSV columns Zodiac and Positions.
#pragma once

#include <optional>
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

}  // namespace quendal::cli
