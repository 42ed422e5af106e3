// The one codec of the choices kept between runs: each is a word under a key, the words of
// quendal-chart where it has them. Any store that maps keys to texts can hold them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/chart_options.h"
#include "chart/view_choices.h"

namespace quendal {

inline constexpr char kZodiacKey[] = "Chart/Zodiac";
inline constexpr char kPositionsKey[] = "Chart/Positions";
inline constexpr char kAyanamshaKey[] = "Chart/Ayanamsha";
inline constexpr char kNodeKey[] = "Chart/Node";
inline constexpr char kDashaYearKey[] = "Chart/DashaYear";
inline constexpr char kStyleKey[] = "Chart/Style";
inline constexpr char kColourKey[] = "Chart/Colours";

// The stored text under a key; nullopt when nothing is stored.
using StoredText = std::function<std::optional<std::string>(std::string_view key)>;
using StoredEntries = std::vector<std::pair<std::string_view, std::string>>;

// Unknown words read as the defaults; so do precise positions and every ayanamsha but Lahiri
// when the build has no precise positions. The classic formulas keep the mean node.
ChartOptions DecodeChartOptions(const StoredText& stored, bool precise_built);
StoredEntries EncodeChartOptions(const ChartOptions& options);

// The style and the colour style; the division is not kept (a window opens on the birth chart).
ViewChoices DecodeViewChoices(const StoredText& stored);
std::pair<std::string_view, std::string> EncodeChartStyle(ChartStyle style);
std::pair<std::string_view, std::string> EncodeColoured(bool coloured);

// "north", "south", "natal"; any case.
std::string_view ChartStyleKey(ChartStyle style);
std::optional<ChartStyle> ParseChartStyle(std::string_view text);

}  // namespace quendal
