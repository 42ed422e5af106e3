// Measures quendal's precise positions against the Swiss Ephemeris called directly with the
// same flags, over many births in both zodiacs; the mean Lahiri formula against the library's
// ayanamsha from 1901 to 2050; and the library's analytic fall-back without data files.
//   check_precise [BIRTHS]
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "birth/chart_calculation.h"
#include "positions/time_zones.h"
#include "vedic/ayanamsha.h"
#include "vedic/precise_engine.h"

namespace {

using namespace quendal;

double ArcSeconds(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180) d = 360 - d;
  return d * 3600;
}

BirthData RandomBirth(std::mt19937& random) {
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  BirthData birth;
  birth.BirthYear = pick(1901, 2050);
  birth.BirthMonth = pick(1, 12);
  birth.BirthDay = pick(1, 28);
  birth.BirthHour = pick(0, 23);
  birth.BirthMinute = pick(0, 59);
  birth.LatitudeDegrees = pick(0, 66);
  birth.LatitudeMinutes = pick(0, 59);
  birth.LatitudeIsSouth = pick(0, 1) == 1;
  birth.LongitudeDegrees = pick(0, 179);
  birth.LongitudeMinutes = pick(0, 59);
  birth.LongitudeIsEast = pick(0, 1) == 1;
  birth.DaylightSaving = pick(0, 4) == 0;
  return StoreZoneRow(birth, pick(0, kTimeZoneRowCount - 1));
}

// Universal hours by the hemisphere rule, written out again from the zone texts.
double UniversalJulianDay(const BirthData& b) {
  const int hours = std::atoi(b.ZoneHoursText.c_str());
  const int minutes = std::atoi(b.ZoneMinutesText.c_str());
  const bool east = hours < 0 || minutes < 0;
  double zone = std::abs(hours) + std::abs(minutes) / 60.0;
  if (b.DaylightSaving) zone += east ? 1 : -1;
  const double local = b.BirthHour + b.BirthMinute / 60.0;
  return swe_julday(b.BirthYear, b.BirthMonth, b.BirthDay, east ? local - zone : local + zone,
                    SE_GREG_CAL);
}

struct Direct {
  double longitudes[10];  // table order
};

Direct CallLibrary(const BirthData& b, bool sidereal) {
  const double jd = UniversalJulianDay(b);
  const int32 flags = SEFLG_SWIEPH | (sidereal ? SEFLG_SIDEREAL : 0);
  const int bodies[7] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN};
  Direct direct{};
  double out[6];
  char error[AS_MAXCH];
  for (int i = 0; i < 7; ++i) {
    swe_calc_ut(jd, bodies[i], flags, out, error);
    direct.longitudes[i] = out[0];
  }
  swe_calc_ut(jd, SE_MEAN_NODE, flags, out, error);
  direct.longitudes[7] = out[0];
  direct.longitudes[8] = std::fmod(out[0] + 180, 360.0);
  double latitude = b.LatitudeDegrees + b.LatitudeMinutes / 60.0;
  if (b.LatitudeIsSouth) latitude = -latitude;
  double longitude = b.LongitudeDegrees + b.LongitudeMinutes / 60.0;
  if (!b.LongitudeIsEast) longitude = -longitude;
  double cusps[13], angles[10];
  swe_houses_ex(jd, sidereal ? SEFLG_SIDEREAL : 0, latitude, longitude, 'E', cusps, angles);
  direct.longitudes[9] = angles[0];
  return direct;
}

}  // namespace

int main(int argc, char** argv) {
  const int births = argc > 1 ? std::atoi(argv[1]) : 5000;
  swe_set_ephe_path(QUENDAL_EPHEMERIS_DIR);
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);

  double worst_ayanamsha = 0;
  for (double jd = swe_julday(1901, 1, 1, 0, SE_GREG_CAL);
       jd <= swe_julday(2050, 12, 31, 0, SE_GREG_CAL); jd += 1) {
    double library = 0;
    char error[AS_MAXCH];
    swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH | SEFLG_NONUT, &library, error);
    worst_ayanamsha = std::max(worst_ayanamsha,
                               ArcSeconds(LahiriAyanamsha(JulianCenturiesFromJ2000(jd)), library));
  }
  std::printf("ayanamsha, every day 1901-2050: worst %.5f\" from the library's mean Lahiri\n",
              worst_ayanamsha);

  std::mt19937 random(20261208);
  double worst_body = 0, worst_ascendant = 0, worst_fallback = 0;
  int sign_changes[2] = {0, 0};  // tropical, sidereal
  bool fallback_from_files = false;
  for (int n = 0; n < births; ++n) {
    const BirthData birth = RandomBirth(random);
    for (Zodiac zodiac : {Zodiac::Tropical, Zodiac::SiderealLahiri}) {
      const bool sidereal = zodiac == Zodiac::SiderealLahiri;
      const Chart chart = CalculateChart(birth, {zodiac, PositionsSource::Precise});
      const Direct direct = CallLibrary(birth, sidereal);
      for (int i = 0; i < 9; ++i)
        worst_body = std::max(worst_body, ArcSeconds(chart.Longitudes[i], direct.longitudes[i]));
      worst_ascendant =
          std::max(worst_ascendant, ArcSeconds(chart.Longitudes[9], direct.longitudes[9]));
      const Chart classic = CalculateChart(birth, {zodiac, PositionsSource::Classic});
      for (int i = 0; i < 10; ++i) {
        if (classic.PositionsTable[i].substr(3, 3) != chart.PositionsTable[i].substr(3, 3)) {
          ++sign_changes[sidereal];
          break;
        }
      }
    }
  }
  std::printf("%d births, both zodiacs: worst body %.6f\", worst ascendant %.6f\"\n", births,
              worst_body, worst_ascendant);
  std::printf(
      "classic and precise charts differ in some body's sign: tropical %d, sidereal %d, "
      "of %d\n",
      sign_changes[0], sign_changes[1], births);

  std::mt19937 again(20261208);
  const int fallback_births = std::min(births, 500);
  std::vector<Chart> with_files;
  for (int n = 0; n < fallback_births; ++n)
    with_files.push_back(
        CalculateChart(RandomBirth(again), {Zodiac::Tropical, PositionsSource::Precise}));
  SetEphemerisFolder("/nonexistent");
  std::mt19937 third(20261208);
  for (int n = 0; n < fallback_births; ++n) {
    const BirthData birth = RandomBirth(third);
    const Chart chart = CalculateChart(birth, {Zodiac::Tropical, PositionsSource::Precise});
    for (int i = 0; i < 10; ++i)
      worst_fallback =
          std::max(worst_fallback, ArcSeconds(chart.Longitudes[i], with_files[n].Longitudes[i]));
    double jd = UniversalJulianDay(birth);
    double out[6];
    char error[AS_MAXCH];
    fallback_from_files |= (swe_calc_ut(jd, SE_SUN, SEFLG_SWIEPH, out, error) & SEFLG_SWIEPH) != 0;
  }
  std::printf("without data files (%d births): worst %.3f\" from the files; %s\n", fallback_births,
              worst_fallback,
              fallback_from_files ? "files were still found" : "analytic ephemeris used");
  const bool good = worst_ayanamsha < 0.01 && worst_body < 1 && worst_ascendant < 1;
  std::printf("%s\n", good ? "PASS" : "FAIL");
  return good ? 0 : 1;
}
