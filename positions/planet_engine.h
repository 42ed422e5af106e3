// Geocentric ecliptic longitudes of the Sun and Mercury to Saturn from mean Keplerian
// elements of epoch J2000 with linear rates, and the mean lunar nodes.
#pragma once

namespace quendal {

// Body indices of the engine: the Earth's orbit (2) yields the Sun.
enum PlanetIndex { kMercury = 0, kVenus = 1, kSun = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };
inline constexpr int kPlanetCount = 6;

inline constexpr double KeplerTolerance = 1e-12;

struct OrbitalElements {
  double OrbitSemiMajorAxis = 0;  // AU
  double OrbitEccentricity = 0;
  double OrbitInclination = 0;  // radians, as the three below
  double OrbitNodeLongitude = 0;
  double OrbitPerihelionLongitude = 0;
  double OrbitMeanLongitude = 0;  // reduced into 0 to 2 pi
};

// Elements of body k (index 2: the Earth) at d days from J2000.
OrbitalElements LoadOrbitalElements(int k, double d);

// x modulo 2 pi into 0..2 pi: the quotient truncated toward zero, then one correction.
double ReduceRadians(double x);

// True anomaly (radians, 0..2 pi) from the mean anomaly, Kepler's equation by Newton's method.
double TrueAnomaly(double M, double e);

// The angle of the point (x, y), -pi..pi, with the truncated pi.
double Atan2Quadrant(double y, double x);

// Geocentric longitude of body k in degrees, 0..360.
double GeocentricLongitude(int k, double d);

struct NodeLongitudes {
  double Rahu = 0;  // degrees, 0..360
  double Ketu = 0;
};
NodeLongitudes ComputeNodes(double d);

}  // namespace quendal
