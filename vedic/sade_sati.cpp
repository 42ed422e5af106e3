#include "vedic/sade_sati.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/chart.h"
#include "positions/calendar.h"
#include "positions/longitude_text.h"
#include "positions/planet_engine.h"
#include "vedic/ayanamsha.h"
#include "vedic/body_longitudes.h"
#include "vedic/dasha.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kMinute = 1.0 / 1440;
// Degrees a day; Saturn's greatest apparent speed is about 0.13.
constexpr double kSaturnFastest = 0.15;
constexpr double kShortestStride = 0.5;
// Saturn returns to a sign after some 29 years; a gap shorter than this is a retrograde loop.
constexpr double kLoopDays = 3 * 365.25;

constexpr std::array<const char*, 3> kPhaseNames = {"Rising", "Peak", "Setting"};
int SignOf(double longitude) {
  return static_cast<int>(std::floor(WrapDegrees(longitude) / 30)) % 12;
}

double EdgeDistance(double longitude) {
  return std::min(std::fmod(longitude, 30.0), 30 - std::fmod(longitude, 30.0));
}

// 0 rising (12th from the Moon), 1 peak, 2 setting; -1 outside.
int PhaseOf(int sign, int moon_sign) {
  switch ((sign - moon_sign + 12) % 12) {
    case 11:
      return 0;
    case 0:
      return 1;
    case 1:
      return 2;
    default:
      return -1;
  }
}

}  // namespace

std::vector<SaturnIngress> SaturnIngresses(const SaturnAt& saturn, double from_jd, double to_jd,
                                           double local_offset_days, double step) {
  std::vector<SaturnIngress> found;
  double t = from_jd;
  double longitude = saturn(t);
  int sign = SignOf(longitude);
  // The last moment Saturn was asked for, and how far it then stood from the nearest edge.
  double asked_at = t;
  double asked_edge = EdgeDistance(longitude);
  while (t < to_jd) {
    // Saturn moves under kSaturnFastest a day either way, so it cannot reach a sign's edge
    // sooner than this; far from one the search takes long strides.
    const double stride =
        t == asked_at ? std::clamp(asked_edge / kSaturnFastest, kShortestStride, step) : step;
    const double next = std::min(t + stride, to_jd);
    // However Saturn moved, at `next` it is still in this sign and too far from an edge for
    // the stride from there to be shorter than `step`: no need to ask.
    if (asked_edge - kSaturnFastest * (next - asked_at) > kSaturnFastest * step * (1 + 1e-9)) {
      t = next;
      continue;
    }
    longitude = WrapDegrees(saturn(next));
    const int next_sign = SignOf(longitude);
    if (next_sign != sign) {
      double low = t, high = next;
      while (high - low > kMinute) {
        const double middle = (low + high) / 2;
        (SignOf(saturn(middle)) == sign ? low : high) = middle;
      }
      found.push_back({high - kUnixEpochJulianDay + local_offset_days, sign, next_sign});
    }
    t = asked_at = next;
    asked_edge = EdgeDistance(longitude);
    sign = next_sign;
  }
  return found;
}

std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moon_sign, int first_sign, double from, double to) {
  std::vector<SadeSatiPeriod> periods;
  SadeSatiPeriod open;
  bool inside = false;
  int seen = -1;  // the furthest phase begun in the open period
  double left_at = 0;
  const auto enter_phase = [&](int phase, double day) {
    if (phase <= seen) return;
    if (!open.phases.empty()) open.phases.back().end = day;
    open.phases.push_back({kPhaseNames[static_cast<std::size_t>(phase)], day, to});
    seen = phase;
  };
  const auto begin = [&](int phase, double day) {
    open = {};
    open.start = day;
    seen = -1;
    inside = true;
    enter_phase(phase, day);
  };
  if (PhaseOf(first_sign, moon_sign) >= 0) begin(PhaseOf(first_sign, moon_sign), from);
  for (std::size_t i = 0; i < ingresses.size(); ++i) {
    const SaturnIngress& step = ingresses[i];
    const int phase = PhaseOf(step.to, moon_sign);
    // Back into an earlier sign: say when Saturn came forward again.
    const auto note_return = [&] {
      const double back = i + 1 < ingresses.size() ? ingresses[i + 1].day : to;
      open.reentries.push_back(std::string("Back in ") +
                               std::string(SignFullNames[static_cast<std::size_t>(step.to)]) +
                               " from " + IsoDate(step.day) + " to " + IsoDate(back));
    };
    if (step.Retrograde() && inside) note_return();
    if (phase < 0) {
      if (inside) {
        inside = false;
        left_at = step.day;
        open.end = step.day;
        if (!open.phases.empty()) open.phases.back().end = step.day;
        periods.push_back(open);
      }
      continue;
    }
    if (!inside && !periods.empty() && step.day - left_at < kLoopDays) {
      // A retrograde exit and re-entry: the period goes on.
      open = periods.back();
      periods.pop_back();
      inside = true;
      open.end = to;
      if (!open.phases.empty()) open.phases.back().end = to;
      if (step.Retrograde()) note_return();
    }
    if (!inside)
      begin(phase, step.day);
    else
      enter_phase(phase, step.day);
  }
  if (inside) {
    open.end = to;
    periods.push_back(open);
  }
  return periods;
}

std::vector<SadeSatiPeriod> CalculateSadeSati(const BirthData& birth, const Chart& chart) {
  const bool sidereal = chart.Options.zodiac == Zodiac::SiderealLahiri;
  const double from_jd = JulianDayNumber(1, 1, 1900) - 0.5;
  const double to_jd = JulianDayNumber(1, 1, 2101) - 0.5;
  const double offset = chart.BirthDay - (BirthJulianDay(birth) - kUnixEpochJulianDay);
  SaturnAt saturn;
  if (chart.Options.positions == PositionsSource::Precise && PrecisePositionsBuilt()) {
    saturn = [sidereal](double jd) { return PreciseSaturn(jd, sidereal).value_or(0); };
  } else {
    // The classic planets stay in the J2000 frame, so the sidereal rule takes off J2000's
    // ayanamsha, as the chart does.
    saturn = [sidereal](double jd) {
      const double tropical = GeocentricLongitude(kSaturn, jd - kJ2000JulianDay);
      BodyLongitudes at;
      at.planets[kSaturn] = tropical;
      return sidereal ? ClassicToSidereal(at, 0).planets[kSaturn] : tropical;
    };
  }
  const std::vector<SaturnIngress> ingresses = SaturnIngresses(saturn, from_jd, to_jd, offset);
  const int moon_sign = SignOf(chart.Longitudes[1]);
  // A period still under way is cut at the last minute of 2100.
  return SadeSatiPeriods(ingresses, moon_sign, SignOf(saturn(from_jd)),
                         from_jd - kUnixEpochJulianDay + offset,
                         to_jd - kMinute - kUnixEpochJulianDay + offset);
}

}  // namespace quendal
