// Built without the Swiss Ephemeris: the precise positions are refused.
#include "vedic/precise_engine.h"

namespace quendal {

bool PrecisePositionsBuilt() { return false; }

std::optional<double> PreciseSaturn(double, bool) { return std::nullopt; }

void SetEphemerisFolder(const std::string&) {}

std::optional<PrecisePositions> ComputePrecisePositions(double, double, double, bool,
                                                        AyanamshaSystem, NodeKind) {
  return std::nullopt;
}

std::optional<double> MeanAyanamsha(AyanamshaSystem, double) { return std::nullopt; }

}  // namespace quendal
