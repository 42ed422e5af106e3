// The choices a chart is cast with beyond the tropical chart: the zodiac with its ayanamsha,
// the source of the positions and the lunar node; and the year the dasha counts in. The
// defaults are the tropical chart of the classic formulas.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

// SiderealLahiri is the sidereal zodiac in whichever ayanamsha the options name; the name
// stays from the days when Lahiri was the only one.
enum class Zodiac { Tropical, SiderealLahiri };
enum class PositionsSource { Classic, Precise };
enum class AyanamshaSystem {
  Lahiri,
  Krishnamurti,
  Raman,
  TrueChitrapaksha,
  Yukteshwar,
  FaganBradley
};
enum class NodeKind { Mean, True };
enum class DashaYear { Julian, Sidereal, Savana };

inline constexpr std::array<AyanamshaSystem, 6> kAyanamshaSystems = {
    AyanamshaSystem::Lahiri,     AyanamshaSystem::Krishnamurti,
    AyanamshaSystem::Raman,      AyanamshaSystem::TrueChitrapaksha,
    AyanamshaSystem::Yukteshwar, AyanamshaSystem::FaganBradley};
inline constexpr std::array<DashaYear, 3> kDashaYearChoices = {
    DashaYear::Julian, DashaYear::Sidereal, DashaYear::Savana};

struct ChartOptions {
  Zodiac zodiac = Zodiac::Tropical;
  PositionsSource positions = PositionsSource::Classic;
  // Read by the sidereal zodiac only: a tropical chart's nakshatras keep Lahiri.
  AyanamshaSystem ayanamsha = AyanamshaSystem::Lahiri;
  NodeKind node = NodeKind::Mean;  // the true node with precise positions only
  // Not a convention of the positions: only the dasha reads it, so IsDefault leaves it out.
  DashaYear dasha_year = DashaYear::Julian;

  // The tropical chart of the classic formulas and the mean node, as the chart always was.
  bool IsDefault() const {
    return zodiac == Zodiac::Tropical && positions == PositionsSource::Classic &&
           ayanamsha == AyanamshaSystem::Lahiri && node == NodeKind::Mean;
  }
  bool operator==(const ChartOptions&) const = default;
};

// What the chart says about its options, e.g. "Sidereal (Lahiri) · Precise", with " · True
// Node" when it is; empty at the defaults, so a default chart looks as it always has.
std::string DescribeChartOptions(const ChartOptions& options);

// The same in words for the chart window's status bar, at the defaults too: "Tropical zodiac,
// classic positions", "Sidereal (Raman) zodiac, precise positions, true node".
std::string ZodiacAndPositionsText(const ChartOptions& options);

// Menu and export names: "Tropical", "Sidereal (Lahiri)"; "Classic formulas",
// "Precise (Swiss Ephemeris)". The first form names Lahiri; the second the options' own.
std::string_view ZodiacName(Zodiac zodiac);
std::string ZodiacName(const ChartOptions& options);
std::string_view PositionsName(PositionsSource positions);
std::string_view AyanamshaName(AyanamshaSystem system);  // "True Chitrapaksha"

// The words of quendal-chart, the CSV columns and the settings: "tropical", "sidereal";
// "classic", "precise"; "lahiri", "true-chitrapaksha", ...; "mean", "true"; "julian",
// "sidereal", "savana". Any case; nullopt for anything else.
std::string_view ZodiacKey(Zodiac zodiac);
std::string_view PositionsKey(PositionsSource positions);
std::string_view AyanamshaKey(AyanamshaSystem system);
std::string_view NodeKey(NodeKind node);
std::string_view DashaYearKey(DashaYear year);
std::optional<Zodiac> ParseZodiac(std::string_view text);
std::optional<PositionsSource> ParsePositions(std::string_view text);
std::optional<AyanamshaSystem> ParseAyanamsha(std::string_view text);
std::optional<NodeKind> ParseNode(std::string_view text);
std::optional<DashaYear> ParseDashaYear(std::string_view text);

// 365.25, 365.256363 or 360; and "365.25 days (Julian year)" and its like.
double DashaYearDays(DashaYear year);
std::string_view DashaYearName(DashaYear year);

}  // namespace quendal
