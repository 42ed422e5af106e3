// Precise positions from the Swiss Ephemeris: apparent geocentric longitudes of date, the
// mean lunar node and the ascendant of the library's house routine. Every call into the
// library goes through this one file, which may be called from several threads at once.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/chart_options.h"
#include "chart/translatable.h"
#include "vedic/body_longitudes.h"

namespace quendal {

// False when the program is built without the Swiss Ephemeris.
bool PrecisePositionsBuilt();

// Why the menu item of precise positions is disabled.
inline constexpr char kPreciseMissingReason[] =
    QUENDAL_TRANSLATABLE("Messages", "This copy of Quendal was built without the Swiss Ephemeris");

struct PrecisePositions {
  BodyLongitudes longitudes;
  // Mercury, Venus, Mars, Jupiter, Saturn: apparent speed of date below 0, in either zodiac.
  std::array<bool, 5> retrograde{};
  // The ayanamsha asked for (Lahiri unless told), with nutation, degrees: what the library's
  // sidereal mode subtracts from the apparent longitudes, so the tropical Moon less it is the
  // sidereal Moon.
  double ayanamsha = 0;
  bool from_data_files = false;  // false: the library's analytic ephemeris
};

// At a Julian day of universal time and a place (degrees, north and east positive);
// sidereal gives the longitudes of the library's own sidereal mode with `ayanamsha`; the true
// node puts the library's true node in Rahu's place. nullopt when not built.
std::optional<PrecisePositions> ComputePrecisePositions(
    double jd_ut, double latitude, double east_longitude, bool sidereal,
    AyanamshaSystem ayanamsha = AyanamshaSystem::Lahiri, NodeKind node = NodeKind::Mean);

// The library's mean value (without nutation) of an ayanamsha at a Julian day of universal
// time, degrees; nullopt when not built.
std::optional<double> MeanAyanamsha(AyanamshaSystem ayanamsha, double jd_ut);

// Saturn's apparent longitude alone, as the positions above give it; nullopt when not built.
std::optional<double> PreciseSaturn(double jd_ut, bool sidereal);

// The folder of the ephemeris files, for every thread from its next chart on; a folder
// without them leaves the analytic ephemeris.
void SetEphemerisFolder(const std::string& folder);

}  // namespace quendal
