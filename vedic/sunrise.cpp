#include "vedic/sunrise.h"

#include <swephexp.h>

#include <cmath>

#include "vedic/precise_library.h"

namespace quendal {
namespace {

constexpr int32 kTopocentric = SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR;
// The library's own figures for the Sun's disc.
constexpr double kSunDiameterMetres = 1392000000.0;
constexpr double kAstronomicalUnitMetres = 1.49597870700e+11;
constexpr double kLapseRate = 0.0065;
// Sidereal hours a day of universal time; over the library's 0.001-day step of the altitude
// it differs from its own sidereal time by far less than the checked margin below.
constexpr double kSiderealHoursPerDay = 24 * 1.00273790935;
// How far the moments found here may lie from the library's own; an answer this near to a
// rounding of the minute, the day's ends or a compared moment is asked of the library.
constexpr double kMargin = 1e-7;

std::optional<double> InDay(double moment, double from) {
  if (moment < from || moment >= from + 1) return std::nullopt;
  return moment;
}

std::optional<double> LibraryEvent(double from, int32 which, double* place) {
  char error[AS_MAXCH];
  double moment = 0;
  // -2: the Sun stays above or below the horizon; an event after the day belongs to the next.
  if (swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, which, place, 0, 0, &moment, error) != 0)
    return std::nullopt;
  return InDay(moment, from);
}

// The true altitude of an equatorial position at a local sidereal angle, as the library's
// horizon routine works it out.
double Altitude(double armc, const double* equatorial, double latitude) {
  double x[3] = {swe_degnorm(swe_degnorm(equatorial[0] - armc) - 90), equatorial[1], 1};
  swe_cotrans(x, x, 90 - latitude);
  return x[1];
}

// The library's sidereal time at t, from the nutation and obliquity that the position just
// computed at t left in its cache: the same value as swe_sidtime(t) without working the
// nutation series out again.
double SiderealTimeAfterCalc(double t) {
  char error[AS_MAXCH];
  double nutation[6];
  if (swe_calc_ut(t, SE_ECL_NUT, SEFLG_SWIEPH, nutation, error) < 0) return swe_sidtime(t);
  return swe_sidtime0(t, nutation[0], nutation[2]);
}

double Armc(double sidereal_hours, double east_longitude) {
  return swe_degnorm(sidereal_hours * 15 + east_longitude);
}

// The library's fast rise and set search of the Sun (below 65 degrees of latitude), step for
// step, with two savings: the start at `from` is shared by the rise and the set, and the
// altitude a thousandth of a day on takes the sidereal time forward instead of asking the
// library again. The result agrees with the library's to well under kMargin.
class FastSunEvents {
 public:
  FastSunEvents(double from, double* place) : from_(from), place_(place) {
    swe_set_topo(place[0], place[1], place[2]);
    Start(from, start_);
    double refraction[20];
    swe_refrac_extended(0.000001, 0, 1013.25, 0, kLapseRate, SE_APP_TO_TRUE, refraction);
    refraction_ = refraction[1] - refraction[0];
  }

  std::optional<double> Event(bool set) const {
    const std::optional<double> first = Search(start_, set);
    // An answer before the day: the library searches once more from half a day on.
    if (!first || *first >= from_) return first;
    StartPoint later;
    Start(from_ + 0.5, later);
    return Search(later, set);
  }

 private:
  struct StartPoint {
    double t = 0;
    double right_ascension = 0;
    double declination = 0;
    double armc = 0;
  };

  std::optional<double> Search(const StartPoint& start, bool set) const {
    double tr = Guess(start, set);
    char error[AS_MAXCH];
    double xx[6];
    for (int i = 0; i < 2; ++i) {
      if (swe_calc_ut(tr, SE_SUN, kTopocentric, xx, error) < 0) return std::nullopt;
      const double rdi =
          std::asin(kSunDiameterMetres / 2.0 / kAstronomicalUnitMetres / xx[2]) * RADTODEG +
          refraction_;
      const double sidereal = SiderealTimeAfterCalc(tr);
      const double altitude = Altitude(Armc(sidereal, place_[0]), xx, place_[1]);
      const double later =
          Altitude(Armc(sidereal + 0.001 * kSiderealHoursPerDay, place_[0]), xx, place_[1]);
      double dt = (altitude + rdi) / (later - altitude) / 1000.0;
      if (dt > 0.1)
        dt = 0.1;
      else if (dt < -0.1)
        dt = -0.1;
      tr -= dt;
    }
    return tr;
  }

  void Start(double t, StartPoint& point) const {
    char error[AS_MAXCH];
    double xx[6] = {};
    swe_calc_ut(t, SE_SUN, kTopocentric, xx, error);
    point = {t, xx[0], xx[1], Armc(SiderealTimeAfterCalc(t), place_[0])};
  }

  double Guess(const StartPoint& point, bool set) const {
    double sda = -std::tan(place_[1] * DEGTORAD) * std::tan(point.declination * DEGTORAD);
    if (sda >= 1)
      sda = 10;
    else if (sda <= -1)
      sda = 180;
    else
      sda = std::acos(sda) * RADTODEG;
    const double md = swe_degnorm(point.right_ascension - point.armc);
    const double mdrise = swe_degnorm(sda * (set ? -1 : 1));
    double dmd = swe_degnorm(md - mdrise);
    if (dmd > 358) dmd -= 360;
    return point.t + dmd / 360;
  }

  double from_;
  double* place_;
  StartPoint start_;
  double refraction_ = 0;
};

// True when a moment this near to `at` could fall on either side of it.
bool Near(double moment, double at) { return std::fabs(moment - at) < kMargin; }

// Whether the fast answer could differ from the library's in anything the program shows:
// the day it falls in, its minute, or its order against `compared`.
bool Undecided(double moment, double from, const std::optional<double>& compared) {
  if (Near(moment, from) || Near(moment, from + 1)) return true;
  if (compared && Near(moment, *compared)) return true;
  const double minutes = (moment - from) * 1440;
  return std::fabs(minutes - std::floor(minutes) - 0.5) < kMargin * 1440;
}

}  // namespace

SunDay SunriseAndSunset(double midnight_jd_ut, double latitude, double east_longitude,
                        std::optional<double> compared) {
  PreparePreciseLibrary();
  double place[3] = {east_longitude, latitude, 0};
  SunDay day;
  day.built = true;
  // The library takes its fast search only this near the equator; beyond, it is asked itself.
  if (std::fabs(latitude) > 65) {
    day.sunrise = LibraryEvent(midnight_jd_ut, SE_CALC_RISE, place);
    day.sunset = LibraryEvent(midnight_jd_ut, SE_CALC_SET, place);
    return day;
  }
  const FastSunEvents fast(midnight_jd_ut, place);
  const auto event = [&](bool set) -> std::optional<double> {
    const std::optional<double> moment = fast.Event(set);
    if (!moment || Undecided(*moment, midnight_jd_ut, compared))
      return LibraryEvent(midnight_jd_ut, set ? SE_CALC_SET : SE_CALC_RISE, place);
    return InDay(*moment, midnight_jd_ut);
  };
  day.sunrise = event(false);
  day.sunset = event(true);
  return day;
}

}  // namespace quendal
