#include "vedic/panchang.h"

#include <array>
#include <cmath>
#include <tuple>

#include "chart/chart.h"
#include "chart/translatable.h"
#include "positions/calendar.h"
#include "vedic/body_longitudes.h"
#include "vedic/nakshatra.h"
#include "vedic/sunrise.h"

namespace quendal {
namespace {

constexpr std::array<std::string_view, 14> kTithiNames = {
    QUENDAL_TRANSLATABLE("Names", "Pratipada"),  QUENDAL_TRANSLATABLE("Names", "Dwitiya"),
    QUENDAL_TRANSLATABLE("Names", "Tritiya"),    QUENDAL_TRANSLATABLE("Names", "Chaturthi"),
    QUENDAL_TRANSLATABLE("Names", "Panchami"),   QUENDAL_TRANSLATABLE("Names", "Shashthi"),
    QUENDAL_TRANSLATABLE("Names", "Saptami"),    QUENDAL_TRANSLATABLE("Names", "Ashtami"),
    QUENDAL_TRANSLATABLE("Names", "Navami"),     QUENDAL_TRANSLATABLE("Names", "Dashami"),
    QUENDAL_TRANSLATABLE("Names", "Ekadashi"),   QUENDAL_TRANSLATABLE("Names", "Dwadashi"),
    QUENDAL_TRANSLATABLE("Names", "Trayodashi"), QUENDAL_TRANSLATABLE("Names", "Chaturdashi")};

constexpr std::array<std::string_view, 27> kYogaNames = {
    QUENDAL_TRANSLATABLE("Names", "Vishkambha"), QUENDAL_TRANSLATABLE("Names", "Priti"),
    QUENDAL_TRANSLATABLE("Names", "Ayushman"),   QUENDAL_TRANSLATABLE("Names", "Saubhagya"),
    QUENDAL_TRANSLATABLE("Names", "Shobhana"),   QUENDAL_TRANSLATABLE("Names", "Atiganda"),
    QUENDAL_TRANSLATABLE("Names", "Sukarma"),    QUENDAL_TRANSLATABLE("Names", "Dhriti"),
    QUENDAL_TRANSLATABLE("Names", "Shula"),      QUENDAL_TRANSLATABLE("Names", "Ganda"),
    QUENDAL_TRANSLATABLE("Names", "Vriddhi"),    QUENDAL_TRANSLATABLE("Names", "Dhruva"),
    QUENDAL_TRANSLATABLE("Names", "Vyaghata"),   QUENDAL_TRANSLATABLE("Names", "Harshana"),
    QUENDAL_TRANSLATABLE("Names", "Vajra"),      QUENDAL_TRANSLATABLE("Names", "Siddhi"),
    QUENDAL_TRANSLATABLE("Names", "Vyatipata"),  QUENDAL_TRANSLATABLE("Names", "Variyana"),
    QUENDAL_TRANSLATABLE("Names", "Parigha"),    QUENDAL_TRANSLATABLE("Names", "Shiva"),
    QUENDAL_TRANSLATABLE("Names", "Siddha"),     QUENDAL_TRANSLATABLE("Names", "Sadhya"),
    QUENDAL_TRANSLATABLE("Names", "Shubha"),     QUENDAL_TRANSLATABLE("Names", "Shukla"),
    QUENDAL_TRANSLATABLE("Names", "Brahma"),     QUENDAL_TRANSLATABLE("Names", "Indra"),
    QUENDAL_TRANSLATABLE("Names", "Vaidhriti")};

constexpr std::array<std::string_view, 7> kMovableKaranas = {
    QUENDAL_TRANSLATABLE("Names", "Bava"),    QUENDAL_TRANSLATABLE("Names", "Balava"),
    QUENDAL_TRANSLATABLE("Names", "Kaulava"), QUENDAL_TRANSLATABLE("Names", "Taitila"),
    QUENDAL_TRANSLATABLE("Names", "Garaja"),  QUENDAL_TRANSLATABLE("Names", "Vanija"),
    QUENDAL_TRANSLATABLE("Names", "Vishti")};

constexpr std::array<std::string_view, 7> kVaraNames = {
    QUENDAL_TRANSLATABLE("Names", "Ravivara"),    QUENDAL_TRANSLATABLE("Names", "Somavara"),
    QUENDAL_TRANSLATABLE("Names", "Mangalavara"), QUENDAL_TRANSLATABLE("Names", "Budhavara"),
    QUENDAL_TRANSLATABLE("Names", "Guruvara"),    QUENDAL_TRANSLATABLE("Names", "Shukravara"),
    QUENDAL_TRANSLATABLE("Names", "Shanivara")};
constexpr std::array<std::string_view, 7> kVaraLords = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                        "Jupiter", "Venus", "Saturn"};

// The part index and the fraction still to run of x in parts of `width`; the index is
// clamped, as a value a rounding below 360 could otherwise give one part too many.
std::pair<int, double> Part(double x, double width, int parts) {
  const double at = WrapDegrees(x) / width;
  const int index = std::min(static_cast<int>(std::floor(at)), parts - 1);
  return {index, 1 - (at - index)};
}

}  // namespace

Panchang PanchangLimbs(double sun, double moon, double sidereal_sun, double sidereal_moon,
                       int civil_weekday, bool before_sunrise) {
  Panchang p;
  const double d = WrapDegrees(moon - sun);
  std::tie(p.tithi, p.tithi_left) = Part(d, 12, 30);
  p.karana = Part(d, 6, 60).first;
  std::tie(p.yoga, p.yoga_left) = Part(sidereal_sun + sidereal_moon, 360.0 / 27, 27);
  p.vara = before_sunrise ? (civil_weekday + 6) % 7 : civil_weekday;
  return p;
}

Panchang CalculatePanchang(const BirthData& birth, const Chart& chart) {
  const HemisphereTime time = ApplyHemisphereRule(birth);
  const double birth_jd = BirthJulianDay(birth);
  // The local clock of the birth, the offset the precise positions use.
  const double midnight = birth_jd - time.L / 24;
  const SunDay day = SunriseAndSunset(midnight, time.N, -time.W, birth_jd);
  const bool sidereal = chart.Options.zodiac == Zodiac::SiderealLahiri;
  const double sun = chart.Longitudes[0];
  const double moon = chart.Longitudes[1];
  const double sidereal_sun = sidereal ? sun : WrapDegrees(sun - chart.Ayanamsha);
  // 1970-01-01 was a Thursday.
  const long civil_day = static_cast<long>(std::floor(chart.BirthDay));
  const int weekday = static_cast<int>(((civil_day + 4) % 7 + 7) % 7);
  Panchang p = PanchangLimbs(sun, moon, sidereal_sun, chart.SiderealMoon, weekday,
                             day.sunrise && birth_jd < *day.sunrise);
  p.nakshatra_left = 1 - chart.MoonNakshatra.passed;
  p.sun_known = day.built;
  const auto minutes = [midnight](const std::optional<double>& jd) -> std::optional<int> {
    if (!jd) return std::nullopt;
    return std::min(1439, static_cast<int>(std::lround((*jd - midnight) * 1440)));
  };
  p.sunrise = minutes(day.sunrise);
  p.sunset = minutes(day.sunset);
  return p;
}

std::string TithiName(int tithi) {
  if (tithi == 14) return QUENDAL_TRANSLATABLE("Names", "Purnima");
  if (tithi == 29) return QUENDAL_TRANSLATABLE("Names", "Amavasya");
  return std::string(PakshaName(tithi)) + " " + std::string(kTithiNames[tithi % 15]);
}

std::string_view PakshaName(int tithi) {
  return tithi < 15 ? QUENDAL_TRANSLATABLE("Names", "Shukla")
                    : QUENDAL_TRANSLATABLE("Names", "Krishna");
}
std::string_view YogaName(int yoga) { return kYogaNames[static_cast<std::size_t>(yoga)]; }

std::string_view KaranaName(int karana) {
  if (karana == 0) return QUENDAL_TRANSLATABLE("Names", "Kimstughna");
  if (karana >= 57) {
    constexpr std::array<std::string_view, 3> kFixedEnd = {
        QUENDAL_TRANSLATABLE("Names", "Shakuni"), QUENDAL_TRANSLATABLE("Names", "Chatushpada"),
        QUENDAL_TRANSLATABLE("Names", "Naga")};
    return kFixedEnd[static_cast<std::size_t>(karana - 57)];
  }
  return kMovableKaranas[static_cast<std::size_t>((karana - 1) % 7)];
}

std::string_view VaraName(int vara) { return kVaraNames[static_cast<std::size_t>(vara)]; }
std::string_view VaraLord(int vara) { return kVaraLords[static_cast<std::size_t>(vara)]; }

std::string ClockText(const std::optional<int>& minutes) {
  if (!minutes) return {};
  const char text[5] = {
      static_cast<char>('0' + *minutes / 600), static_cast<char>('0' + *minutes / 60 % 10), ':',
      static_cast<char>('0' + *minutes % 60 / 10), static_cast<char>('0' + *minutes % 10)};
  return std::string(text, sizeof text);
}

std::string LeftText(double fraction) {
  return std::to_string(static_cast<int>(std::floor(fraction * 100))) + "% left";
}

std::vector<std::pair<std::string, std::string>> PanchangRows(const Panchang& p,
                                                              const Chart& chart) {
  const std::string nakshatra(kNakshatraNames[static_cast<std::size_t>(chart.MoonNakshatra.index)]);
  std::string vara = std::string(VaraName(p.vara)) + " (" + std::string(VaraLord(p.vara)) + ")";
  if (!p.sun_known) vara += ", civil weekday";
  const auto sun_event = [&p](const std::optional<int>& minutes) -> std::string {
    if (!p.sun_known) return "-";
    if (!minutes) return "none that day";
    return ClockText(minutes);
  };
  return {
      {QUENDAL_TRANSLATABLE("Names", "Tithi"),
       TithiName(p.tithi) + " (" + std::to_string(p.tithi + 1) + "), " + LeftText(p.tithi_left)},
      {QUENDAL_TRANSLATABLE("Names", "Nakshatra"), nakshatra + ", " + LeftText(p.nakshatra_left)},
      {QUENDAL_TRANSLATABLE("Names", "Yoga"),
       std::string(YogaName(p.yoga)) + ", " + LeftText(p.yoga_left)},
      {QUENDAL_TRANSLATABLE("Names", "Karana"), std::string(KaranaName(p.karana))},
      {QUENDAL_TRANSLATABLE("Names", "Vara"), vara},
      {QUENDAL_TRANSLATABLE("Names", "Sunrise"), sun_event(p.sunrise)},
      {QUENDAL_TRANSLATABLE("Names", "Sunset"), sun_event(p.sunset)}};
}

}  // namespace quendal
