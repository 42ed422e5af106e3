// Divisional charts (vargas): the sign a longitude falls in when each sign is cut into parts
// (equal ones, but for the Trimshamsha), and the chart whose cells are built from those signs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart.h"

namespace quendal {

// The sixteen divisions of the Shodashavarga: 1 is the birth chart itself.
inline constexpr std::array<int, 16> kDivisions = {1,  2,  3,  4,  7,  9,  10, 12,
                                                   16, 20, 24, 27, 30, 40, 45, 60};
bool IsDivision(int division);

// "Navamsa (D9)"; "Birth Chart (D1)" for 1; empty for a division not offered.
std::string_view DivisionName(int division);

// "1, 2, 3, 4, ..., 60": the divisions as quendal-chart takes them.
std::string DivisionList();

// A longitude as a sign (0 = Aries) and whole arc-seconds within it (0 to 107999).
struct SignArc {
  int sign = 0;
  int seconds = 0;
};

// Reads a long-form text ("24° 17' 52\" Ari"); nothing when it names no sign.
std::optional<SignArc> ParseLongitudeText(std::string_view text);

// The sign of the division's part that holds the position. Whole arc-seconds keep every
// boundary exact (a part of 3° 20' is 12000 seconds).
int DivisionalSign(int division, const SignArc& position);

// The long-form texts of the ten bodies in positions-table order, ascendant last.
std::array<std::string_view, 10> LongTexts(const Chart& chart);

// The chart with its sign cells, house cells, sign pictures and ascendant sign built from
// the divisional signs of its ten long-form texts; the positions stay those of the birth.
Chart DivisionalChart(const Chart& chart, int division);

}  // namespace quendal
