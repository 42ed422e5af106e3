#include "ephemeris.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace stations {

const Planet kPlanets[5] = {{"Mercury", SE_MERCURY},
                            {"Venus", SE_VENUS},
                            {"Mars", SE_MARS},
                            {"Jupiter", SE_JUPITER},
                            {"Saturn", SE_SATURN}};

namespace {

int32 source_flag = SEFLG_SWIEPH;

void Compute(int body, double jd_ut, double* out) {
  char error[AS_MAXCH] = "";
  int32 result = swe_calc_ut(jd_ut, body, source_flag | SEFLG_SPEED, out, error);
  if (result < 0 || (result & source_flag) == 0) {
    std::fprintf(stderr, "ephemeris failed at JD %.5f body %d: %s\n", jd_ut, body, error);
    std::exit(2);
  }
}

}  // namespace

void OpenEphemeris(const char* path) { swe_set_ephe_path(const_cast<char*>(path)); }

void UseAnalyticalEphemeris() { source_flag = SEFLG_MOSEPH; }

void CloseEphemeris() { swe_close(); }

double Longitude(int body, double jd_ut) {
  double out[6];
  Compute(body, jd_ut, out);
  return out[0];
}

double LongitudeSpeed(int body, double jd_ut) {
  double out[6];
  Compute(body, jd_ut, out);
  return out[3];
}

Moment ToMoment(double jd_ut) {
  // Julian days start at noon: shift to the civil midnight before rounding the minutes.
  double midnight = std::floor(jd_ut + 0.5) - 0.5;
  long minutes = std::lround((jd_ut - midnight) * 1440.0);
  if (minutes == 1440) {
    midnight += 1.0;
    minutes = 0;
  }
  Moment moment{};
  double unused_hour;
  swe_revjul(midnight + 0.5, SE_GREG_CAL, &moment.year, &moment.month, &moment.day, &unused_hour);
  moment.hour = static_cast<int>(minutes / 60);
  moment.minute = static_cast<int>(minutes % 60);
  return moment;
}

double ToJulianDay(const Moment& moment) {
  return swe_julday(moment.year, moment.month, moment.day, moment.hour + moment.minute / 60.0,
                    SE_GREG_CAL);
}

std::string ToText(const Moment& m) {
  char text[40];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,", m.month, m.day, m.year, m.hour, m.minute);
  return text;
}

bool FromText(const std::string& text, Moment* m) {
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,%n", &m->month, &m->day, &m->year, &m->hour,
                  &m->minute, &consumed) != 5) {
    return false;
  }
  return consumed == static_cast<int>(text.size());
}

}  // namespace stations
