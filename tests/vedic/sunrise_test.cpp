// The sunrise and sunset against the library's own rise and set routine: the same minute,
// the same days without one, and the library's exact moment where a compared moment lies on
// it.
#include "vedic/sunrise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#ifdef QUENDAL_WITH_SWISSEPH
#include <swephexp.h>

namespace quendal {
namespace {

std::optional<double> Library(double from, double latitude, double longitude, int32 which) {
  double place[3] = {longitude, latitude, 0};
  double moment = 0;
  char error[AS_MAXCH];
  if (swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, which, place, 0, 0, &moment, error) !=
          0 ||
      moment < from || moment >= from + 1)
    return std::nullopt;
  return moment;
}

std::optional<long> Minute(const std::optional<double>& moment, double from) {
  if (!moment) return std::nullopt;
  return std::lround((*moment - from) * 1440);
}

TEST(Sunrise, AgreesWithTheLibraryToTheMinuteEverywhere) {
  swe_set_ephe_path(QUENDAL_TEST_EPHEMERIS_DIR);
  // A spread of days 1900-2100 and latitudes both sides of the library's 65-degree switch.
  unsigned seed = 7;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<double>(seed >> 8) / (1u << 24);
  };
  for (int i = 0; i < 300; ++i) {
    const double from = std::floor(2415020.5 + next() * 73000) + next();
    const double latitude = (next() * 2 - 1) * 70;
    const double longitude = (next() * 2 - 1) * 180;
    const SunDay day = SunriseAndSunset(from, latitude, longitude);
    EXPECT_EQ(Minute(day.sunrise, from),
              Minute(Library(from, latitude, longitude, SE_CALC_RISE), from))
        << from << " " << latitude;
    EXPECT_EQ(Minute(day.sunset, from),
              Minute(Library(from, latitude, longitude, SE_CALC_SET), from))
        << from << " " << latitude;
  }
  // A moment compared with the sunrise falls on the library's side of it.
  const double from = 2445890.5 - 5.5 / 24;
  const std::optional<double> rise = Library(from, 18.5, 73.9, SE_CALC_RISE);
  ASSERT_TRUE(rise);
  EXPECT_EQ(SunriseAndSunset(from, 18.5, 73.9, *rise).sunrise, rise);
}

}  // namespace
}  // namespace quendal
#endif
