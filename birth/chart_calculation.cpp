#include "birth/chart_calculation.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "moon_retro/moon.h"
#include "moon_retro/retrogrades.h"
#include "positions/ascendant.h"
#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"
#include "positions/planet_positions.h"
#include "positions/time_zones.h"
#include "vedic/ayanamsha.h"
#include "vedic/body_longitudes.h"
#include "vedic/dasha.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

// The offset texts are whole numbers, so the rounding only matters for its half-to-even rule
// should a fractional text ever appear; nearbyint rounds that way in the default mode.
int RoundedMagnitude(std::string_view text) {
  return static_cast<int>(std::nearbyint(std::fabs(static_cast<double>(ZoneOffsetValue(text)))));
}

BodyLongitudes ClassicLongitudes(const BirthData& birth) {
  const PlanetPositions planets = ComputePlanetPositions(birth);
  BodyLongitudes at;
  at.planets = planets.longitudes;
  at.Rahu = planets.Rahu;
  at.Ketu = planets.Ketu;
  at.Moon = MoonLongitude(birth);
  at.Ascendant = ComputeAscendantPosition(birth).longitude;
  return at;
}

std::optional<PrecisePositions> PreciseAt(const BirthData& birth, bool sidereal,
                                          const ChartOptions& options) {
  const HemisphereTime time = ApplyHemisphereRule(birth);
  return ComputePrecisePositions(BirthJulianDay(birth), time.N, -time.W, sidereal,
                                 options.ayanamsha, options.node);
}

// The classic planets are of the J2000 frame, so each ayanamsha's J2000 value serves every
// chart; worked out once.
std::optional<double> MeanAyanamshaAtJ2000(AyanamshaSystem system) {
  static const std::array<std::optional<double>, kAyanamshaSystems.size()> values = [] {
    std::array<std::optional<double>, kAyanamshaSystems.size()> at{};
    for (AyanamshaSystem s : kAyanamshaSystems)
      at[static_cast<std::size_t>(s)] = MeanAyanamsha(s, kJ2000JulianDay);
    return at;
  }();
  return values[static_cast<std::size_t>(system)];
}

// The classic longitudes in the options' zodiac; Lahiri keeps its own formula, the others
// are the library's mean values. Returns the ayanamsha of the birth moment.
double ClassicZodiac(const BirthData& birth, ChartOptions& options, BodyLongitudes& at) {
  const bool sidereal = options.zodiac == Zodiac::SiderealLahiri;
  const double jd = BirthJulianDay(birth);
  if (options.ayanamsha != AyanamshaSystem::Lahiri) {
    const std::optional<double> of_birth = MeanAyanamsha(options.ayanamsha, jd);
    const std::optional<double> of_j2000 = MeanAyanamshaAtJ2000(options.ayanamsha);
    if (of_birth && of_j2000) {
      if (sidereal) at = ClassicToSidereal(at, *of_birth, *of_j2000);
      return *of_birth;
    }
    options.ayanamsha = AyanamshaSystem::Lahiri;
  }
  const double lahiri = LahiriAyanamsha(JulianCenturiesFromJ2000(jd));
  if (sidereal) at = ClassicToSidereal(at, lahiri);
  return lahiri;
}

std::array<double, 10> TableOrder(const BodyLongitudes& at) {
  return {at.planets[kSun],    at.Moon,           at.planets[kMercury],
          at.planets[kVenus],  at.planets[kMars], at.planets[kJupiter],
          at.planets[kSaturn], at.Rahu,           at.Ketu,
          at.Ascendant};
}

// The texts of the positions, the cells and the Sun sign, from the longitudes cast.
void FillTexts(Chart& chart, const BodyLongitudes& at, RetrogradeMarks marks) {
  chart.AscendantText = FormatLongitude(at.Ascendant);
  MoonPosition moon = MoonPositionAt(at.Moon);
  chart.MoonText = std::move(moon.MoonText);
  chart.MoonSignName = std::move(moon.MoonSignName);
  PlanetPositions planets;
  for (std::size_t k = 0; k < at.planets.size(); ++k)
    planets.PlanetTexts[k] = FormatLongitude(at.planets[k]);
  planets.RahuText = FormatLongitude(at.Rahu);
  planets.KetuText = FormatLongitude(at.Ketu);
  chart.PositionsTable = PositionsTable(planets, chart.MoonText, chart.AscendantText);
  chart.PlanetTexts = std::move(planets.PlanetTexts);
  chart.RahuText = std::move(planets.RahuText);
  chart.KetuText = std::move(planets.KetuText);
  chart.ChartBodyNames = std::move(marks.ChartBodyNames);
  chart.RetrogradeFlags = marks.RetrogradeFlags;

  const int sun_sign = SignIndex(TableEntrySign(chart.PositionsTable[0]));
  if (sun_sign >= 0) chart.SunSign = SignFullNames[static_cast<std::size_t>(sun_sign)];

  std::array<int, kPositionsRowCount> signs{};
  for (std::size_t i = 0; i < signs.size(); ++i)
    signs[i] = SignIndex(TableEntrySign(chart.PositionsTable[i]));
  PlaceInCells(chart, signs);
}

}  // namespace

BirthData StoreZoneRow(BirthData birth, int zone_row) {
  if (zone_row < 0 || zone_row >= kTimeZoneRowCount) return birth;
  const TimeZoneTable& table = FillTimeZoneTable();
  const auto row = static_cast<std::size_t>(zone_row);
  birth.ZoneHoursText = std::string(table.TimeZoneHourOffsets[row]);
  birth.ZoneMinutesText = std::string(table.TimeZoneMinuteOffsets[row]);
  birth.ZoneHours = RoundedMagnitude(birth.ZoneHoursText);
  birth.ZoneMinutes = RoundedMagnitude(birth.ZoneMinutesText);
  return birth;
}

Chart CalculateChart(const BirthData& birth) { return CalculateChart(birth, ChartOptions{}); }

Chart CalculateChart(const BirthData& birth, const ChartOptions& options) {
  const bool sidereal = options.zodiac == Zodiac::SiderealLahiri;
  Chart chart;
  chart.Options = options;
  if (!sidereal) chart.Options.ayanamsha = AyanamshaSystem::Lahiri;
  BodyLongitudes at;
  RetrogradeMarks marks;
  std::optional<PrecisePositions> precise;
  if (options.positions == PositionsSource::Precise)
    precise = PreciseAt(birth, sidereal, chart.Options);
  if (precise) {
    at = precise->longitudes;
    chart.Ayanamsha = precise->ayanamsha;
    marks = RetrogradeMarksOf(precise->retrograde);
  } else {
    // The classic formulas have a node of their own.
    chart.Options.positions = PositionsSource::Classic;
    chart.Options.node = NodeKind::Mean;
    at = ClassicLongitudes(birth);
    const BodyLongitudes tropical = at;
    chart.Ayanamsha = ClassicZodiac(birth, chart.Options, at);
    chart.SiderealLongitudes =
        TableOrder(sidereal ? at : ClassicToSidereal(tropical, chart.Ayanamsha));
    marks = MarkRetrogradePlanets(birth);
  }
  chart.SiderealMoon = sidereal ? at.Moon : WrapDegrees(at.Moon - chart.Ayanamsha);
  chart.MoonNakshatra = NakshatraOf(chart.SiderealMoon);
  chart.BirthDay = DayNumber(birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                             birth.BirthMinute);
  chart.Longitudes = TableOrder(at);
  if (precise) {
    chart.SiderealLongitudes = chart.Longitudes;
    if (!sidereal)
      for (double& x : chart.SiderealLongitudes) x = WrapDegrees(x - chart.Ayanamsha);
  }

  FillTexts(chart, at, std::move(marks));
  return chart;
}

}  // namespace quendal
