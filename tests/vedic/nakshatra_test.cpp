#include "vedic/nakshatra.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(Nakshatra, BoundariesPadasAndLords) {
  struct Case {
    double longitude;
    const char* name;
    int pada;
    const char* lord;
  };
  const double part = 40.0 / 3;  // 13°20'
  const Case cases[] = {
      {0, "Ashwini", 1, "Ketu"},
      {part / 4, "Ashwini", 2, "Ketu"},
      {part - 1e-9, "Ashwini", 4, "Ketu"},
      {part, "Bharani", 1, "Venus"},
      {9 * part, "Magha", 1, "Ketu"},
      {360 - part / 4, "Revati", 4, "Mercury"},
      {360 - 1e-9, "Revati", 4, "Mercury"},
      {360, "Ashwini", 1, "Ketu"},
      {-1e-9, "Revati", 4, "Mercury"},
  };
  for (const Case& c : cases) {
    const NakshatraPlace place = NakshatraOf(c.longitude);
    EXPECT_EQ(kNakshatraNames[static_cast<size_t>(place.index)], c.name) << c.longitude;
    EXPECT_EQ(place.pada, c.pada) << c.longitude;
    EXPECT_EQ(kDashaLords[static_cast<size_t>(place.lord)], c.lord) << c.longitude;
  }
}

}  // namespace
}  // namespace quendal
