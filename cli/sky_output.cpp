#include "cli/sky_output.h"

#include <QJsonArray>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "birth/transits.h"
#include "cli/dasha_output.h"
#include "positions/longitude_text.h"
#include "vedic/dasha.h"
#include "vedic/panchang.h"
#include "vedic/sade_sati.h"

namespace quendal::cli {
namespace {

int DashaLevels(const QCommandLineParser& parser) {
  return parser.isSet("dasha-levels") ? parser.value("dasha-levels").toInt() : 2;
}

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Percent to one decimal.
double Percent(double fraction) { return std::floor(fraction * 1000) / 10; }

QJsonValue ClockJson(const std::optional<int>& minutes) {
  if (!minutes) return QJsonValue::Null;
  return Q(ClockText(minutes));
}

QJsonObject PanchangJson(const Panchang& p) {
  return {{"Tithi", Q(TithiName(p.tithi))},
          {"TithiNumber", p.tithi + 1},
          {"Paksha", Q(PakshaName(p.tithi))},
          {"Yoga", Q(YogaName(p.yoga))},
          {"YogaNumber", p.yoga + 1},
          {"Karana", Q(KaranaName(p.karana))},
          {"KaranaNumber", p.karana + 1},
          {"Vara", Q(VaraName(p.vara))},
          {"VaraLord", Q(VaraLord(p.vara))},
          {"Sunrise", ClockJson(p.sunrise)},
          {"Sunset", ClockJson(p.sunset)},
          {"TithiLeft", Percent(p.tithi_left)},
          {"NakshatraLeft", Percent(p.nakshatra_left)},
          {"YogaLeft", Percent(p.yoga_left)}};
}

void WritePanchang(std::ostream& out, const BirthData& birth, const Chart& chart) {
  out << "Panchang of the birth\n";
  for (const auto& [caption, value] : PanchangRows(CalculatePanchang(birth, chart), chart))
    out << std::left << std::setw(11) << caption << value << "\n";
}

void WriteSadeSati(std::ostream& out, const std::vector<SadeSatiPeriod>& periods) {
  out << "Sade Sati, 1900 to 2100\n";
  for (const SadeSatiPeriod& period : periods) {
    out << IsoDate(period.start) << "  " << IsoDate(period.end) << "\n";
    for (const SadeSatiPhase& phase : period.phases)
      out << "  " << std::left << std::setw(9) << phase.name << IsoDate(phase.start) << "  "
          << IsoDate(phase.end) << "\n";
    for (const std::string& reentry : period.reentries) out << "  " << reentry << "\n";
  }
}

QJsonArray SadeSatiJson(const std::vector<SadeSatiPeriod>& periods) {
  QJsonArray array;
  for (const SadeSatiPeriod& period : periods) {
    QJsonArray phases;
    for (const SadeSatiPhase& phase : period.phases)
      phases.append(QJsonObject{{"Name", Q(phase.name)},
                                {"Start", Q(IsoDate(phase.start))},
                                {"End", Q(IsoDate(phase.end))}});
    array.append(QJsonObject{
        {"Start", Q(IsoDate(period.start))}, {"End", Q(IsoDate(period.end))}, {"Phases", phases}});
  }
  return array;
}

std::string MomentText(const CivilDateTime& m) {
  std::ostringstream text;
  text << std::setfill('0') << std::setw(4) << m.year << '-' << std::setw(2) << m.month << '-'
       << std::setw(2) << m.day << 'T' << std::setw(2) << m.hour << ':' << std::setw(2) << m.minute;
  return text.str();
}

// Padded to `width` characters, not bytes: the degree sign takes two.
std::string Padded(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return text + std::string(width > characters ? width - characters : 1, ' ');
}

void WriteTransits(std::ostream& out, const Transits& transits) {
  out << TransitCaption(transits.moment) << "\n\n"
      << "Body     Longitude            Sign         Lagna  Moon\n";
  for (const TransitBody& body : transits.bodies) {
    out << Padded(body.name, 9) << Padded(TransitLongitudeText(body), 21)
        << Padded(std::string(SignFullNames[static_cast<std::size_t>(body.sign)]), 13)
        << Padded(std::to_string(body.house_from_lagna), 7) << body.house_from_moon << "\n";
  }
}

QJsonObject TransitsJson(const Transits& transits) {
  QJsonArray bodies;
  for (const TransitBody& body : transits.bodies)
    bodies.append(
        QJsonObject{{"Name", Q(body.name)},
                    {"Longitude", std::round(body.longitude * 1e6) / 1e6},
                    {"Sign", QLatin1String(SignFullNames[static_cast<std::size_t>(body.sign)])},
                    {"HouseFromLagna", body.house_from_lagna},
                    {"HouseFromMoon", body.house_from_moon},
                    {"Retrograde", body.retrograde}});
  return {{"Moment", Q(MomentText(transits.moment))}, {"Bodies", bodies}};
}

Transits TransitsOf(const QCommandLineParser& parser, const BirthData& birth, const Chart& chart) {
  return CalculateTransits(birth, chart,
                           *ParseTransitMoment(parser.value("transits").toStdString()));
}

}  // namespace

void AddSkyOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"dasha-levels", "Levels of --dasha: 1, 2 (the default) or 3.", "N"},
      {"panchang", "Print the panchang of the birth moment."},
      {"sade-sati", "Print the Sade Sati periods from 1900 to 2100."},
      {"transits", "Print the transits of a moment over the chart.", "YYYY-MM-DD[THH:MM]"},
  });
}

bool WantsSky(const QCommandLineParser& parser) {
  for (const char* option : {"dasha", "panchang", "sade-sati", "transits"})
    if (parser.isSet(option)) return true;
  return false;
}

std::optional<CivilDateTime> ParseTransitMoment(std::string_view text) {
  CivilDateTime m;
  const auto number = [&text](std::size_t from, std::size_t count) -> int {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  if (text.size() != 10 && text.size() != 16) return std::nullopt;
  if (text[4] != '-' || text[7] != '-') return std::nullopt;
  m.year = number(0, 4);
  m.month = number(5, 2);
  m.day = number(8, 2);
  if (text.size() == 16) {
    if (text[10] != 'T' || text[13] != ':') return std::nullopt;
    m.hour = number(11, 2);
    m.minute = number(14, 2);
  }
  const std::chrono::year_month_day date{std::chrono::year(m.year),
                                         std::chrono::month(static_cast<unsigned>(m.month)),
                                         std::chrono::day(static_cast<unsigned>(m.day))};
  if (m.year < 0 || m.hour < 0 || m.hour > 23 || m.minute < 0 || m.minute > 59 || !date.ok())
    return std::nullopt;
  return m;
}

std::optional<InputError> CheckSkyOptions(const QCommandLineParser& parser) {
  if (parser.isSet("dasha-levels")) {
    const QString levels = parser.value("dasha-levels");
    if (levels != "1" && levels != "2" && levels != "3")
      return InputError{"--dasha-levels", levels.toStdString(), "is not 1, 2 or 3"};
    if (!parser.isSet("dasha"))
      return InputError{"--dasha-levels", levels.toStdString(), "needs --dasha"};
  }
  if (parser.isSet("transits") && !ParseTransitMoment(parser.value("transits").toStdString()))
    return InputError{"--transits", parser.value("transits").toStdString(),
                      "is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM"};
  return std::nullopt;
}

std::string SkyText(const QCommandLineParser& parser, const BirthData& birth, const Chart& chart) {
  std::ostringstream out;
  const auto gap = [&out] {
    if (out.tellp() > 0) out << "\n";
  };
  if (parser.isSet("dasha")) WriteReadableDasha(out, chart, DashaLevels(parser));
  if (parser.isSet("panchang")) {
    gap();
    WritePanchang(out, birth, chart);
  }
  if (parser.isSet("sade-sati")) {
    gap();
    WriteSadeSati(out, CalculateSadeSati(birth, chart));
  }
  if (parser.isSet("transits")) {
    gap();
    WriteTransits(out, TransitsOf(parser, birth, chart));
  }
  return out.str();
}

void AddSkyJson(QJsonObject& json, const QCommandLineParser& parser, const BirthData& birth,
                const Chart& chart) {
  if (parser.isSet("dasha")) {
    json["Dasha"] = DashaJson(chart, DashaLevels(parser));
    json["DashaBalance"] = DashaBalanceJson(chart);
  }
  if (parser.isSet("panchang")) json["Panchang"] = PanchangJson(CalculatePanchang(birth, chart));
  if (parser.isSet("sade-sati")) json["SadeSati"] = SadeSatiJson(CalculateSadeSati(birth, chart));
  if (parser.isSet("transits")) json["Transits"] = TransitsJson(TransitsOf(parser, birth, chart));
}

}  // namespace quendal::cli
