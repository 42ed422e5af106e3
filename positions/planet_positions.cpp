#include "positions/planet_positions.h"

#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"

namespace quendal {

PlanetPositions ComputePlanetPositions(const BirthData& birth) {
  const CivilDateTime ut = ApplyCalendarRule(birth);
  PlanetPositions planets;
  planets.d = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
  for (int k = 0; k < kPlanetCount; ++k) {
    planets.longitudes[k] = GeocentricLongitude(k, planets.d);
    planets.PlanetTexts[k] = FormatLongitude(planets.longitudes[k]);
  }
  const NodeLongitudes nodes = ComputeNodes(planets.d);
  planets.Rahu = nodes.Rahu;
  planets.Ketu = nodes.Ketu;
  planets.RahuText = FormatLongitude(nodes.Rahu);
  planets.KetuText = FormatLongitude(nodes.Ketu);
  return planets;
}

std::array<std::string, kPositionsRowCount> PositionsTable(const PlanetPositions& planets,
                                                           std::string_view MoonText,
                                                           std::string_view AscendantText) {
  const auto& texts = planets.PlanetTexts;
  return {FormatTableEntry(texts[kSun]),      FormatTableEntry(MoonText),
          FormatTableEntry(texts[kMercury]),  FormatTableEntry(texts[kVenus]),
          FormatTableEntry(texts[kMars]),     FormatTableEntry(texts[kJupiter]),
          FormatTableEntry(texts[kSaturn]),   FormatTableEntry(planets.RahuText),
          FormatTableEntry(planets.KetuText), FormatTableEntry(AscendantText)};
}

}  // namespace quendal
