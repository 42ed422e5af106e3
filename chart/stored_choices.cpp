#include "chart/stored_choices.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quendal {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

template <typename Choice, typename Parse>
Choice Decoded(const StoredText& stored, const char* key, Parse parse, Choice otherwise) {
  const std::optional<std::string> text = stored(key);
  return text ? parse(*text).value_or(otherwise) : otherwise;
}

constexpr std::array<std::pair<ChartStyle, std::string_view>, 3> kStyleWords = {{
    {ChartStyle::North, "north"},
    {ChartStyle::South, "south"},
    {ChartStyle::Natal, "natal"},
}};

}  // namespace

ChartOptions DecodeChartOptions(const StoredText& stored, bool precise_built) {
  ChartOptions options;
  options.zodiac = Decoded(stored, kZodiacKey, ParseZodiac, Zodiac::Tropical);
  options.positions = Decoded(stored, kPositionsKey, ParsePositions, PositionsSource::Classic);
  options.ayanamsha = Decoded(stored, kAyanamshaKey, ParseAyanamsha, AyanamshaSystem::Lahiri);
  options.node = Decoded(stored, kNodeKey, ParseNode, NodeKind::Mean);
  options.dasha_year = Decoded(stored, kDashaYearKey, ParseDashaYear, DashaYear::Julian);
  if (!precise_built) {
    options.positions = PositionsSource::Classic;
    options.ayanamsha = AyanamshaSystem::Lahiri;
  }
  if (options.positions == PositionsSource::Classic) options.node = NodeKind::Mean;
  return options;
}

StoredEntries EncodeChartOptions(const ChartOptions& options) {
  const auto entry = [](const char* key, std::string_view word) {
    return std::pair<std::string_view, std::string>(key, std::string(word));
  };
  return {entry(kZodiacKey, ZodiacKey(options.zodiac)),
          entry(kPositionsKey, PositionsKey(options.positions)),
          entry(kAyanamshaKey, AyanamshaKey(options.ayanamsha)),
          entry(kNodeKey, NodeKey(options.node)),
          entry(kDashaYearKey, DashaYearKey(options.dasha_year))};
}

ViewChoices DecodeViewChoices(const StoredText& stored) {
  ViewChoices view;
  view.style = Decoded(stored, kStyleKey, ParseChartStyle, ChartStyle::Natal);
  // As a stored truth value reads: anything but empty, "0" and "false" is true.
  if (const std::optional<std::string> text = stored(kColourKey)) {
    const std::string word = Lower(*text);
    view.coloured = !word.empty() && word != "0" && word != "false";
  }
  return view;
}

std::pair<std::string_view, std::string> EncodeChartStyle(ChartStyle style) {
  return {kStyleKey, std::string(ChartStyleKey(style))};
}

std::pair<std::string_view, std::string> EncodeColoured(bool coloured) {
  return {kColourKey, coloured ? "true" : "false"};
}

std::string_view ChartStyleKey(ChartStyle style) {
  for (const auto& [each, word] : kStyleWords)
    if (each == style) return word;
  return "natal";
}

std::optional<ChartStyle> ParseChartStyle(std::string_view text) {
  const std::string word = Lower(std::string(text));
  for (const auto& [style, each] : kStyleWords)
    if (word == each) return style;
  return std::nullopt;
}

}  // namespace quendal
