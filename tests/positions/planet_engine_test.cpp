#include "positions/planet_engine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "positions/angle_constants.h"

namespace quendal {
namespace {

TEST(PlanetEngine, LongitudesAtTheEpoch) {
  EXPECT_NEAR(GeocentricLongitude(kMercury, 0), 271.9, 0.05);
  EXPECT_NEAR(GeocentricLongitude(kVenus, 0), 241.6, 0.05);
  EXPECT_NEAR(GeocentricLongitude(kSun, 0), 280.4, 0.05);
  EXPECT_NEAR(GeocentricLongitude(kMars, 0), 328.0, 0.05);
  EXPECT_NEAR(GeocentricLongitude(kJupiter, 0), 25.4, 0.05);
  EXPECT_NEAR(GeocentricLongitude(kSaturn, 0), 40.2, 0.05);
  const NodeLongitudes nodes = ComputeNodes(0);
  EXPECT_NEAR(nodes.Rahu, 124.1, 0.05);
  EXPECT_NEAR(nodes.Ketu, 304.1, 0.05);
}

TEST(PlanetEngine, ReduceRadiansUsesTheTruncatedTurn) {
  EXPECT_DOUBLE_EQ(ReduceRadians(-0.5), kTwoPi - 0.5);
  EXPECT_EQ(ReduceRadians(kTwoPi * 3), 0.0);
  EXPECT_EQ(ReduceRadians(-kTwoPi * 2), 0.0);
  EXPECT_NEAR(ReduceRadians(100.0), 100.0 - 15 * kTwoPi, 1e-12);
}

TEST(PlanetEngine, TrueAnomalyAtPerihelionAndAphelionForEveryOrbit) {
  for (int k = 0; k < kPlanetCount; ++k) {
    const double e = LoadOrbitalElements(k, 0).OrbitEccentricity;
    EXPECT_EQ(TrueAnomaly(0, e), 0.0);
    EXPECT_NEAR(TrueAnomaly(kPi, e), kPi, 1e-9);
    // Half way in mean anomaly the body is ahead of the circle in true anomaly.
    EXPECT_GT(TrueAnomaly(kPi / 2, e), kPi / 2);
  }
}

TEST(PlanetEngine, Atan2QuadrantCoversAxesAndQuadrants) {
  EXPECT_EQ(Atan2Quadrant(0, -1), kPi);
  EXPECT_EQ(Atan2Quadrant(0, 0), 0.0);
  EXPECT_EQ(Atan2Quadrant(2, 0), kPi / 2);
  EXPECT_EQ(Atan2Quadrant(-2, 0), -kPi / 2);
  EXPECT_EQ(Atan2Quadrant(1, 1), std::atan(1.0));
  EXPECT_EQ(Atan2Quadrant(1, -1), kPi - std::atan(1.0));
  EXPECT_EQ(Atan2Quadrant(-1, -1), -(kPi - std::atan(1.0)));
}

TEST(PlanetEngine, NodesWrapBelow360) {
  // Mean node at half a degree: Rahu falls one degree lower, just under 360.
  const NodeLongitudes nodes = ComputeNodes((125.1228 - 0.5) / 0.0529538083);
  EXPECT_GT(nodes.Rahu, 359);
  EXPECT_LT(nodes.Rahu, 360);
  EXPECT_NEAR(nodes.Ketu, nodes.Rahu - 180, 1e-9);
  // Over two nodal periods Ketu always lies half a turn from Rahu and inside 0..360.
  for (double d = -36525; d <= 18262; d += 7.3) {
    const NodeLongitudes n = ComputeNodes(d);
    ASSERT_GE(n.Rahu, 0);
    ASSERT_LT(n.Rahu, 360);
    ASSERT_GE(n.Ketu, 0);
    ASSERT_LT(n.Ketu, 360);
    ASSERT_NEAR(std::fmod(n.Ketu - n.Rahu + 360, 360), 180, 1e-9);
  }
}

}  // namespace
}  // namespace quendal
