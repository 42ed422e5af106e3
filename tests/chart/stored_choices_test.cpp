#include "chart/stored_choices.h"

#include <gtest/gtest.h>

#include <map>

namespace quendal {
namespace {

StoredText From(const std::map<std::string, std::string, std::less<>>& store) {
  return [&store](std::string_view key) -> std::optional<std::string> {
    const auto found = store.find(key);
    if (found == store.end()) return std::nullopt;
    return found->second;
  };
}

TEST(StoredChoices, OptionsRoundTripAndFallBack) {
  ChartOptions chosen;
  chosen.zodiac = Zodiac::SiderealLahiri;
  chosen.positions = PositionsSource::Precise;
  chosen.ayanamsha = AyanamshaSystem::TrueChitrapaksha;
  chosen.node = NodeKind::True;
  chosen.dasha_year = DashaYear::Savana;
  std::map<std::string, std::string, std::less<>> store;
  for (const auto& [key, text] : EncodeChartOptions(chosen)) store[std::string(key)] = text;
  EXPECT_EQ(DecodeChartOptions(From(store), true), chosen);

  // A build without precise positions reads them as the classic formulas with Lahiri.
  const ChartOptions classic = DecodeChartOptions(From(store), false);
  EXPECT_EQ(classic.positions, PositionsSource::Classic);
  EXPECT_EQ(classic.ayanamsha, AyanamshaSystem::Lahiri);
  EXPECT_EQ(classic.node, NodeKind::Mean);
  EXPECT_EQ(classic.dasha_year, DashaYear::Savana);

  store = {{kZodiacKey, "zodiac"}, {kPositionsKey, ""}, {kNodeKey, "true"}};
  EXPECT_EQ(DecodeChartOptions(From(store), true), ChartOptions{});
}

TEST(StoredChoices, ViewStyleAndColoursAsStored) {
  struct Case {
    std::map<std::string, std::string, std::less<>> store;
    ViewChoices expected;
  };
  const Case cases[] = {
      {{}, {ChartStyle::Natal, 1, false}},
      {{{kStyleKey, "south"}, {kColourKey, "true"}}, {ChartStyle::South, 1, true}},
      {{{kStyleKey, "North"}, {kColourKey, "false"}}, {ChartStyle::North, 1, false}},
      {{{kStyleKey, "east"}, {kColourKey, "0"}}, {ChartStyle::Natal, 1, false}},
      {{{kColourKey, ""}}, {ChartStyle::Natal, 1, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeViewChoices(From(c.store)), c.expected);
  for (ChartStyle style : {ChartStyle::North, ChartStyle::South, ChartStyle::Natal})
    EXPECT_EQ(ParseChartStyle(EncodeChartStyle(style).second), style);
  EXPECT_EQ(EncodeColoured(true).second, "true");
}

}  // namespace
}  // namespace quendal
