#include "vedic/sidereal_positions.h"

#include "vedic/body_longitudes.h"

namespace quendal {

std::array<double, 10> SiderealLongitudes(const Chart& chart) {
  const std::array<double, 10>& at = chart.Longitudes;
  if (chart.Options.zodiac == Zodiac::SiderealLahiri) return at;
  if (chart.Options.positions == PositionsSource::Precise) {
    std::array<double, 10> sidereal{};
    for (std::size_t i = 0; i < at.size(); ++i) sidereal[i] = WrapDegrees(at[i] - chart.Ayanamsha);
    return sidereal;
  }
  // The classic planets are of J2000, the rest of the date: the same rule a sidereal chart
  // is cast by, so both zodiacs name the same nakshatras.
  BodyLongitudes tropical;
  tropical.planets = {at[2], at[3], at[0], at[4], at[5], at[6]};
  tropical.Moon = at[1];
  tropical.Rahu = at[7];
  tropical.Ketu = at[8];
  tropical.Ascendant = at[9];
  const BodyLongitudes s = ClassicToSidereal(tropical, chart.Ayanamsha);
  return {s.planets[2], s.Moon,       s.planets[0], s.planets[1], s.planets[3],
          s.planets[4], s.planets[5], s.Rahu,       s.Ketu,       s.Ascendant};
}

}  // namespace quendal
