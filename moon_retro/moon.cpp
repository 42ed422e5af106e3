#include "moon_retro/moon.h"

#include <array>
#include <cmath>
#include <string_view>

#include "positions/angle_constants.h"
#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/text_blanks.h"

namespace quendal {
namespace {

struct MoonTerm {
  int d, m, m_prime, f;
  double coefficient;  // degrees
  bool times_E;
};

// Summed in this order; the order shows in the last bits of the result.
constexpr std::array<MoonTerm, 25> kMoonTerms{{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},  {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

}  // namespace

double MoonLongitude(const BirthData& birth) {
  const double U = ApplyHemisphereRule(birth).U;
  const double J = JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
  const double T = (J - 2451545 + U / 24 - 0.5) / 36525;

  const double L_prime = 218.3164591 + 481267.88134236 * T;
  // Converted to radians without first being reduced to one turn.
  const double D = (297.8502042 + 445267.1115168 * T) * kDegreesToRadians;
  const double M = (357.5291092 + 35999.0502909 * T) * kDegreesToRadians;
  const double M_prime = (134.9634114 + 477198.8676313 * T) * kDegreesToRadians;
  const double F = (93.2720993 + 483202.0175273 * T) * kDegreesToRadians;
  const double E = 1 - 0.002516 * T - 0.0000074 * T * T;

  double S = 0;
  for (const MoonTerm& term : kMoonTerms) {
    double value =
        term.coefficient * std::sin(term.d * D + term.m * M + term.m_prime * M_prime + term.f * F);
    if (term.times_E) value = value * E;
    S = S + value;
  }
  double lambda = L_prime + S;
  while (lambda < 0) lambda = lambda + 360;
  while (lambda > 360) lambda = lambda - 360;
  return lambda;
}

MoonPosition ComputeMoonPosition(const BirthData& birth) {
  return MoonPositionAt(MoonLongitude(birth));
}

MoonPosition MoonPositionAt(double longitude) {
  MoonPosition moon;
  moon.MoonText = FormatLongitude(longitude);
  const std::string_view text = TrimBlanks(moon.MoonText);
  const int sign = SignIndex(text.size() >= 3 ? text.substr(text.size() - 3) : text);
  if (sign >= 0) moon.MoonSignName = SignFullNames[static_cast<std::size_t>(sign)];
  return moon;
}

}  // namespace quendal
