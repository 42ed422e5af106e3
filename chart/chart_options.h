// The two choices a chart is cast with beyond the tropical chart: the zodiac and the source of
// the positions. The defaults are the tropical chart of the classic formulas.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendal {

enum class Zodiac { Tropical, SiderealLahiri };
enum class PositionsSource { Classic, Precise };

struct ChartOptions {
  Zodiac zodiac = Zodiac::Tropical;
  PositionsSource positions = PositionsSource::Classic;

  bool IsDefault() const { return *this == ChartOptions{}; }
  bool operator==(const ChartOptions&) const = default;
};

// What the chart says about its options, e.g. "Sidereal (Lahiri) · Precise"; empty at the
// defaults, so a default chart looks as it always has.
std::string DescribeChartOptions(const ChartOptions& options);

// The same in words for the chart window's status bar, at the defaults too: "Tropical zodiac,
// classic positions", "Sidereal (Lahiri) zodiac, precise positions".
std::string ZodiacAndPositionsText(const ChartOptions& options);

// Menu and export names: "Tropical", "Sidereal (Lahiri)"; "Classic formulas",
// "Precise (Swiss Ephemeris)".
std::string_view ZodiacName(Zodiac zodiac);
std::string_view PositionsName(PositionsSource positions);

// The words of quendal-chart, the CSV columns and the settings: "tropical", "sidereal";
// "classic", "precise". Any case; nullopt for anything else.
std::string_view ZodiacKey(Zodiac zodiac);
std::string_view PositionsKey(PositionsSource positions);
std::optional<Zodiac> ParseZodiac(std::string_view text);
std::optional<PositionsSource> ParsePositions(std::string_view text);

}  // namespace quendal
