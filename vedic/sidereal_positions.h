// Where the ten bodies of a chart stand in the sidereal zodiac, whatever zodiac the chart is
// shown in: the nakshatra of every body is sidereal, as the Moon's is.
#pragma once

#include <array>

#include "birth/chart_calculation.h"

namespace quendal {

// Degrees, positions-table order (Sun, Moon, Mercury ... Rahu, Ketu, ascendant).
std::array<double, 10> SiderealLongitudes(const Chart& chart);

}  // namespace quendal
