#include "vedic/sunrise.h"

#include <swephexp.h>

#include "vedic/precise_library.h"

namespace quendal {
namespace {

std::optional<double> Event(double from, int32 which, double* place) {
  char error[AS_MAXCH];
  double moment = 0;
  // -2: the Sun stays above or below the horizon; an event after the day belongs to the next.
  if (swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, which, place, 0, 0, &moment, error) != 0)
    return std::nullopt;
  if (moment < from || moment >= from + 1) return std::nullopt;
  return moment;
}

}  // namespace

SunDay SunriseAndSunset(double midnight_jd_ut, double latitude, double east_longitude) {
  PreparePreciseLibrary();
  double place[3] = {east_longitude, latitude, 0};
  SunDay day;
  day.built = true;
  day.sunrise = Event(midnight_jd_ut, SE_CALC_RISE, place);
  day.sunset = Event(midnight_jd_ut, SE_CALC_SET, place);
  return day;
}

}  // namespace quendal
