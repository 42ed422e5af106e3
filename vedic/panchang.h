// The five limbs of the day of birth (tithi, nakshatra, yoga, karana, vara) with the
// sunrise and sunset of the birth's civil date at the place.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/birth_data.h"

namespace quendal {

struct Chart;

struct Panchang {
  int tithi = 0;   // 0..29; below 15 the bright half
  int yoga = 0;    // 0..26
  int karana = 0;  // 0..59
  int vara = 0;    // 0 = Ravivara (Sunday)
  // Fractions still to run at birth, 0..1.
  double tithi_left = 0;
  double nakshatra_left = 0;
  double yoga_left = 0;
  bool sun_known = false;         // false: built without the Swiss Ephemeris
  std::optional<int> sunrise;     // minutes after local midnight; none: polar day or night
  std::optional<int> sunset;
};

// The limbs from the Sun and Moon of the chart (d = Moon − Sun; the yoga from the sidereal
// pair), the civil weekday (0 = Sunday) and whether the birth came before that day's sunrise.
Panchang PanchangLimbs(double sun, double moon, double sidereal_sun, double sidereal_moon,
                       int civil_weekday, bool before_sunrise);

// The whole panchang of a chart cast for birth.
Panchang CalculatePanchang(const BirthData& birth, const Chart& chart);

std::string TithiName(int tithi);  // "Shukla Ekadashi", "Purnima", "Amavasya"
std::string_view PakshaName(int tithi);
std::string_view YogaName(int yoga);
std::string_view KaranaName(int karana);
std::string_view VaraName(int vara);
std::string_view VaraLord(int vara);

// "HH:MM", or empty for none.
std::string ClockText(const std::optional<int>& minutes);
// "62% left"
std::string LeftText(double fraction);

// The rows a person reads, caption and value, in one order for the chart child and
// quendal-chart: Tithi, Nakshatra, Yoga, Karana, Vara, Sunrise, Sunset.
std::vector<std::pair<std::string, std::string>> PanchangRows(const Panchang& panchang,
                                                              const Chart& chart);

}  // namespace quendal
