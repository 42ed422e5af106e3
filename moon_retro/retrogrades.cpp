#include "moon_retro/retrogrades.h"

namespace quendal {

// Placeholder until the station tables land: no planet is ever marked.
RetrogradeMarks MarkRetrogradePlanets(const BirthData&) {
  RetrogradeMarks marks;
  marks.ChartBodyNames = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                          "Jupiter", "Saturn", "Rahu",    "Ketu"};
  return marks;
}

}  // namespace quendal
