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

template <typename Choice, std::size_t N>
std::optional<Choice> ParseWord(std::string_view text, const std::array<Choice, N>& choices,
                                std::string_view (*key)(Choice)) {
  for (Choice choice : choices)
    if (SameWord(text, key(choice))) return choice;
  return std::nullopt;
}

struct AyanamshaWords {
  std::string_view name;
  std::string_view key;
};
constexpr std::array<AyanamshaWords, 6> kAyanamshaWords = {
    {{"Lahiri", "lahiri"},
     {"Krishnamurti", "krishnamurti"},
     {"Raman", "raman"},
     {"True Chitrapaksha", "true-chitrapaksha"},
     {"Yukteshwar", "yukteshwar"},
     {"Fagan-Bradley", "fagan-bradley"}}};

const AyanamshaWords& WordsOf(AyanamshaSystem system) {
  return kAyanamshaWords[static_cast<std::size_t>(system)];
}

}  // namespace

std::string DescribeChartOptions(const ChartOptions& options) {
  if (options.IsDefault()) return {};
  std::string text = ZodiacName(options);
  text += " \u00b7 ";
  text += options.positions == PositionsSource::Precise ? "Precise" : "Classic";
  if (options.node == NodeKind::True) text += " \u00b7 True Node";
  return text;
}

std::string ZodiacAndPositionsText(const ChartOptions& options) {
  std::string text = ZodiacName(options);
  text += " zodiac, ";
  text += PositionsKey(options.positions);
  text += " positions";
  if (options.node == NodeKind::True) text += ", true node";
  return text;
}

std::string_view ZodiacName(Zodiac zodiac) {
  return zodiac == Zodiac::SiderealLahiri ? "Sidereal (Lahiri)" : "Tropical";
}

std::string ZodiacName(const ChartOptions& options) {
  if (options.zodiac == Zodiac::Tropical) return "Tropical";
  return "Sidereal (" + std::string(AyanamshaName(options.ayanamsha)) + ")";
}

std::string_view PositionsName(PositionsSource positions) {
  return positions == PositionsSource::Precise ? "Precise (Swiss Ephemeris)" : "Classic formulas";
}

std::string_view AyanamshaName(AyanamshaSystem system) { return WordsOf(system).name; }

std::string_view ZodiacKey(Zodiac zodiac) {
  return zodiac == Zodiac::SiderealLahiri ? "sidereal" : "tropical";
}

std::string_view PositionsKey(PositionsSource positions) {
  return positions == PositionsSource::Precise ? "precise" : "classic";
}

std::string_view AyanamshaKey(AyanamshaSystem system) { return WordsOf(system).key; }

std::string_view NodeKey(NodeKind node) { return node == NodeKind::True ? "true" : "mean"; }

std::string_view DashaYearKey(DashaYear year) {
  switch (year) {
    case DashaYear::Sidereal:
      return "sidereal";
    case DashaYear::Savana:
      return "savana";
    default:
      return "julian";
  }
}

std::optional<Zodiac> ParseZodiac(std::string_view text) {
  return ParseWord(text, std::array{Zodiac::Tropical, Zodiac::SiderealLahiri}, ZodiacKey);
}

std::optional<PositionsSource> ParsePositions(std::string_view text) {
  return ParseWord(text, std::array{PositionsSource::Classic, PositionsSource::Precise},
                   PositionsKey);
}

std::optional<AyanamshaSystem> ParseAyanamsha(std::string_view text) {
  return ParseWord(text, kAyanamshaSystems, AyanamshaKey);
}

std::optional<NodeKind> ParseNode(std::string_view text) {
  return ParseWord(text, std::array{NodeKind::Mean, NodeKind::True}, NodeKey);
}

std::optional<DashaYear> ParseDashaYear(std::string_view text) {
  return ParseWord(text, kDashaYearChoices, DashaYearKey);
}

double DashaYearDays(DashaYear year) {
  switch (year) {
    case DashaYear::Sidereal:
      return 365.256363;
    case DashaYear::Savana:
      return 360;
    default:
      return 365.25;
  }
}

std::string_view DashaYearName(DashaYear year) {
  switch (year) {
    case DashaYear::Sidereal:
      return "365.256363 days (sidereal year)";
    case DashaYear::Savana:
      return "360 days (savana year)";
    default:
      return "365.25 days (Julian year)";
  }
}

}  // namespace quendal
