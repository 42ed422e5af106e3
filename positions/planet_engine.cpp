#include "positions/planet_engine.h"

#include <array>
#include <cmath>

#include "positions/angle_constants.h"

namespace quendal {
namespace {

struct ElementRates {
  double a0, a1, e0, e1, i0, i1, node0, node1, peri0, peri1, L0, L1;
};

// Mean elements for the J2000 ecliptic and equinox. Angle rates are arc seconds per century.
constexpr std::array<ElementRates, kPlanetCount> kElements{{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
}};

// The eccentricities stay below 0.21, where Newton's method settles in a handful of rounds;
// the cap only guards against a tolerance that rounding could never meet.
constexpr int kMaxKeplerRounds = 100;

double Angle(double c0, double c1, double T) { return (c0 + c1 * T / 3600) * kDegreesToRadians; }

}  // namespace

OrbitalElements LoadOrbitalElements(int k, double d) {
  const ElementRates& row = kElements[static_cast<std::size_t>(k)];
  const double T = d / 36525;
  OrbitalElements elements;
  elements.OrbitSemiMajorAxis = row.a0 + row.a1 * T;
  elements.OrbitEccentricity = row.e0 + row.e1 * T;
  elements.OrbitInclination = Angle(row.i0, row.i1, T);
  elements.OrbitNodeLongitude = Angle(row.node0, row.node1, T);
  elements.OrbitPerihelionLongitude = Angle(row.peri0, row.peri1, T);
  elements.OrbitMeanLongitude = ReduceRadians(Angle(row.L0, row.L1, T));
  return elements;
}

double ReduceRadians(double x) {
  const double q = x / kTwoPi;
  const double t = std::trunc(q);
  double r = (q - t) * kTwoPi;
  if (r < 0) r = r + kTwoPi;
  return r;
}

double TrueAnomaly(double M, double e) {
  double E = M + e * std::sin(M) * (1 + e * std::cos(M));
  for (int round = 0; round < kMaxKeplerRounds; ++round) {
    const double E0 = E;
    E = E0 - (E0 - e * std::sin(E0) - M) / (1 - e * std::cos(E0));
    if (std::fabs(E0 - E) <= KeplerTolerance) break;
  }
  double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
  if (v < 0) v = v + kTwoPi;
  return v;
}

double Atan2Quadrant(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x < 0) {
    if (y > 0) return kPi - std::atan(std::fabs(y / x));
    if (y < 0) return -(kPi - std::atan(std::fabs(y / x)));
    return kPi;
  }
  if (y > 0) return kPi / 2;
  if (y < 0) return -kPi / 2;
  return 0;
}

double GeocentricLongitude(int k, double d) {
  const OrbitalElements body = LoadOrbitalElements(k, d);
  const OrbitalElements earth = LoadOrbitalElements(kSun, d);

  double M = ReduceRadians(earth.OrbitMeanLongitude - earth.OrbitPerihelionLongitude);
  double e = earth.OrbitEccentricity;
  double v = TrueAnomaly(M, e);
  double r = earth.OrbitSemiMajorAxis * (1 - e * e) / (1 + e * std::cos(v));
  const double xE = r * std::cos(v + earth.OrbitPerihelionLongitude);
  const double yE = r * std::sin(v + earth.OrbitPerihelionLongitude);

  double x = 0;
  double y = 0;
  if (k != kSun) {
    M = ReduceRadians(body.OrbitMeanLongitude - body.OrbitPerihelionLongitude);
    e = body.OrbitEccentricity;
    v = TrueAnomaly(M, e);
    r = body.OrbitSemiMajorAxis * (1 - e * e) / (1 + e * std::cos(v));
    const double node = body.OrbitNodeLongitude;
    const double u = v + body.OrbitPerihelionLongitude - node;
    const double cos_i = std::cos(body.OrbitInclination);
    x = r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * cos_i);
    y = r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * cos_i);
  }

  double lon = Atan2Quadrant(y - yE, x - xE) * 180 / kPi;
  while (lon > 360) lon = lon - 360;
  while (lon < 0) lon = lon + 360;
  return lon;
}

NodeLongitudes ComputeNodes(double d) {
  const double N = 125.1228 - 0.0529538083 * d;
  const double R = ReduceRadians(N * kDegreesToRadians);
  // 3.1416 rather than pi, and one degree off the mean node: both belong to the values a
  // chart has always shown.
  NodeLongitudes nodes;
  nodes.Rahu = R * 180 / 3.1416 - 1;
  if (nodes.Rahu < 0) nodes.Rahu = nodes.Rahu + 360;
  nodes.Ketu = nodes.Rahu + 180;
  if (nodes.Ketu >= 360) nodes.Ketu = nodes.Ketu - 360;
  return nodes;
}

}  // namespace quendal
