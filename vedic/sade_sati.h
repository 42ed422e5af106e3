// Sade Sati: the years Saturn spends in the 12th, 1st and 2nd signs from the natal Moon's
// sign, found from Saturn's sign ingresses between 1900 and 2100.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chart/birth_data.h"

namespace quendal {

struct Chart;

struct SaturnIngress {
  double day = 0;  // day number of the birth's local clock
  int from = 0;    // signs, 0 = Aries
  int to = 0;
  bool Retrograde() const { return (from - to + 12) % 12 == 1; }
};

// Saturn's longitude (degrees) at a Julian day of universal time.
using SaturnAt = std::function<double(double jd_ut)>;

// Every sign change of Saturn between two Julian days, sampled at most `step` days apart
// (closer near a sign's edge) and each narrowed by bisection to a minute;
// `local_offset_days` turns universal into local days.
std::vector<SaturnIngress> SaturnIngresses(const SaturnAt& saturn, double from_jd, double to_jd,
                                           double local_offset_days, double step = 30);

struct SadeSatiPhase {
  std::string name;  // "Rising", "Peak", "Setting"
  double start = 0;
  double end = 0;
};

struct SadeSatiPeriod {
  double start = 0;
  double end = 0;
  std::vector<SadeSatiPhase> phases;  // those inside the range, in order
  // Retrograde steps back into an earlier sign and the return, which do not split a period.
  std::vector<std::string> reentries;
};

// The periods for a Moon sign from the ingresses; a period under way at `from` or `to`
// (day numbers) is cut there. Saturn's sign at `from` is `first_sign`.
std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moon_sign, int first_sign, double from,
                                            double to);

// 1900 to 2100 for the chart's Moon, with Saturn from the chart's positions and zodiac.
std::vector<SadeSatiPeriod> CalculateSadeSati(const BirthData& birth, const Chart& chart);

}  // namespace quendal
