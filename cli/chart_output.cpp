#include "cli/chart_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <array>
#include <charconv>
#include <iomanip>
#include <string_view>

#include "chart_window/text_export.h"
#include "cli/dasha_output.h"
#include "cli/quoted_value.h"
#include "positions/longitude_text.h"
#include "positions/time_zones.h"
#include "ui_common/month_name.h"
#include "vedic/ayanamsha.h"

namespace quendal::cli {
namespace {

// Row order of the positions table; the report spells out what the chart abbreviates.
constexpr std::array<std::string_view, 10> kRowNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};

template <typename Texts>
QJsonArray TextArray(const Texts& texts) {
  QJsonArray array;
  for (const std::string& text : texts) array.append(QString::fromStdString(text));
  return array;
}

// A cell's lines ("\r\nSun\r\nMercury") as one readable line.
std::string CellLine(std::string_view cell) {
  std::string line;
  std::size_t start = 0;
  while (start <= cell.size()) {
    auto end = cell.find("\r\n", start);
    if (end == std::string_view::npos) end = cell.size();
    if (end > start) {
      if (!line.empty()) line += ", ";
      line += TrimBlanks(cell.substr(start, end - start));
    }
    start = end + 2;
  }
  return line.empty() ? "-" : line;
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  std::size_t plain = 0;  // start of the run of characters that need no escape
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text, plain, i - plain);
    plain = i + 1;
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xf];
    }
  }
  out.append(text, plain);
  out += '"';
}

template <typename Texts>
void AppendTextArray(std::string& out, std::string_view key, const Texts& texts) {
  AppendJsonString(out, key);
  out += ":[";
  bool first = true;
  for (const std::string& text : texts) {
    if (!first) out += ',';
    first = false;
    AppendJsonString(out, text);
  }
  out += "],";
}

void AppendText(std::string& out, std::string_view key, std::string_view text) {
  AppendJsonString(out, key);
  out += ':';
  AppendJsonString(out, text);
  out += ',';
}

// The shortest text that reads back as the same double, as QJsonDocument writes it.
void AppendDigits(std::string& out, double value) {
  char digits[32];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendNumber(std::string& out, std::string_view key, double value) {
  AppendJsonString(out, key);
  out += ':';
  AppendDigits(out, value);
  out += ',';
}

}  // namespace

void AppendChartJsonLine(std::string& out, const Chart& chart, const ChartJsonExtras& extras) {
  // Keys in the order QJsonDocument writes them (sorted), so both outputs read alike.
  out += '{';
  const NakshatraPlace& moon = chart.MoonNakshatra;
  AppendText(out, "AscendantText", chart.AscendantText);
  AppendNumber(out, "Ayanamsha", chart.Ayanamsha);
  if (extras.tables.bodies) AppendBodiesJson(out, chart);
  AppendTextArray(out, "ChartBodyNames", chart.ChartBodyNames);
  if (extras.dasha) {
    out += "\"Dasha\":";
    AppendDashaJson(out, chart);
    out += ",\"DashaBalance\":";
    out += QJsonDocument(DashaBalanceJson(chart)).toJson(QJsonDocument::Compact).toStdString();
    out += ',';
  }
  AppendNumber(out, "DashaYearDays", DashaYearDays(chart.Options.dasha_year));
  AppendTextArray(out, "HouseCells", chart.HouseCells);
  AppendText(out, "KetuText", chart.KetuText);
  out += "\"Longitudes\":[";
  for (double longitude : chart.Longitudes) {
    AppendDigits(out, longitude);
    out += ',';
  }
  out.back() = ']';
  out += ',';
  AppendText(out, "MoonSignName", chart.MoonSignName);
  AppendText(out, "MoonText", chart.MoonText);
  AppendText(out, "Nakshatra", kNakshatraNames[static_cast<std::size_t>(moon.index)]);
  AppendText(out, "NakshatraLord", kDashaLords[static_cast<std::size_t>(moon.lord)]);
  AppendOptionsJson(out, chart.Options);
  out += "\"Pada\":" + std::to_string(moon.pada) + ',';
  if (extras.place) {
    out += "\"Place\":";
    out += QJsonDocument(*extras.place).toJson(QJsonDocument::Compact).toStdString();
    out += ',';
  }
  AppendTextArray(out, "PlanetTexts", chart.PlanetTexts);
  AppendTextArray(out, "PositionsTable", chart.PositionsTable);
  AppendText(out, "RahuText", chart.RahuText);
  out += "\"RetrogradeFlags\":[";
  for (std::size_t i = 0; i < chart.RetrogradeFlags.size(); ++i) {
    if (i > 0) out += ',';
    out += chart.RetrogradeFlags[i] ? "true" : "false";
  }
  out += "],";
  AppendTextArray(out, "SignCells", chart.SignCells);
  out += "\"SignPictures\":[";
  for (std::size_t i = 0; i < chart.SignPictures.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(chart.SignPictures[i]);
  }
  out += "],";
  AppendText(out, "SunSign", chart.SunSign);
  if (extras.tables.vargas) AppendVargasJson(out, chart);
  out.back() = '}';
  out += '\n';
}

QJsonObject ChartJson(const Chart& chart, const JsonTables& tables) {
  QJsonObject object;
  object["PositionsTable"] = TextArray(chart.PositionsTable);
  object["PlanetTexts"] = TextArray(chart.PlanetTexts);
  object["RahuText"] = QString::fromStdString(chart.RahuText);
  object["KetuText"] = QString::fromStdString(chart.KetuText);
  object["AscendantText"] = QString::fromStdString(chart.AscendantText);
  object["MoonText"] = QString::fromStdString(chart.MoonText);
  object["MoonSignName"] = QString::fromStdString(chart.MoonSignName);
  object["SunSign"] = QString::fromStdString(chart.SunSign);
  object["ChartBodyNames"] = TextArray(chart.ChartBodyNames);
  QJsonArray flags;
  for (bool flag : chart.RetrogradeFlags) flags.append(flag);
  object["RetrogradeFlags"] = flags;
  object["SignCells"] = TextArray(chart.SignCells);
  object["HouseCells"] = TextArray(chart.HouseCells);
  QJsonArray pictures;
  for (int picture : chart.SignPictures) pictures.append(picture);
  object["SignPictures"] = pictures;
  const NakshatraPlace& moon = chart.MoonNakshatra;
  object["Nakshatra"] = QString::fromUtf8(kNakshatraNames[static_cast<std::size_t>(moon.index)]);
  object["Pada"] = moon.pada;
  object["NakshatraLord"] = QString::fromUtf8(kDashaLords[static_cast<std::size_t>(moon.lord)]);
  object["Ayanamsha"] = chart.Ayanamsha;
  QJsonArray longitudes;
  for (double longitude : chart.Longitudes) longitudes.append(longitude);
  object["Longitudes"] = longitudes;
  object["DashaYearDays"] = DashaYearDays(chart.Options.dasha_year);
  object["Options"] = OptionsJson(chart.Options);
  AddTables(object, chart, tables);
  return object;
}

void WriteReadableChart(std::ostream& out, const BirthRequest& request, const Chart& chart) {
  const BirthData& b = request.birth;
  const auto& zones = FillTimeZoneTable();
  out << "Name: " << EscapeControls(b.PersonName) << "\n"
      << "City: " << EscapeControls(b.BirthCity) << "\n"
      << "State: " << EscapeControls(b.BirthState) << "\n"
      << "Country: " << EscapeControls(b.BirthCountry) << "\n"
      << "Date of Birth: " << LongMonthName(b.BirthMonth).toStdString() << " " << b.BirthDay << ", "
      << b.BirthYear << "\n"
      << "Time of Birth: " << b.BirthHour << " Hour " << b.BirthMinute << " Minute\n"
      << "Time Zone: " << zones.TimeZoneNames[static_cast<std::size_t>(request.zone_row)]
      << " (row " << request.zone_row << ")" << (b.DaylightSaving ? ", daylight saving" : "")
      << "\n"
      << "Latitude: " << b.LatitudeDegrees << " Degree " << b.LatitudeMinutes << " Minute "
      << (b.LatitudeIsSouth ? "South" : "North") << "\n"
      << "Longitude: " << b.LongitudeDegrees << " Degree " << b.LongitudeMinutes << " Minute "
      << (b.LongitudeIsEast ? "East" : "West") << "\n";
  if (!chart.Options.IsDefault()) out << ChartOptionsLine(chart.Options, chart.Ayanamsha) << "\n";
  out << "\n";

  const std::array<const std::string*, 10> long_texts = {
      &chart.PlanetTexts[2], &chart.MoonText,       &chart.PlanetTexts[0], &chart.PlanetTexts[1],
      &chart.PlanetTexts[3], &chart.PlanetTexts[4], &chart.PlanetTexts[5], &chart.RahuText,
      &chart.KetuText,       &chart.AscendantText};
  out << "Planetary Position\n";
  for (std::size_t i = 0; i < kRowNames.size(); ++i) {
    const bool retrograde = i >= 2 && i <= 6 && chart.RetrogradeFlags[i - 2];
    out << "  " << Padded(kRowNames[i], 11) << chart.PositionsTable[i] << "   " << *long_texts[i]
        << (retrograde ? "  (R)" : "") << "\n";
  }
  out << "\nSun Sign: " << chart.SunSign << "\n"
      << "Moon Sign: " << chart.MoonSignName << "\n"
      << "Nakshatra: " << kNakshatraNames[static_cast<std::size_t>(chart.MoonNakshatra.index)]
      << ", pada " << chart.MoonNakshatra.pada << ", lord "
      << kDashaLords[static_cast<std::size_t>(chart.MoonNakshatra.lord)] << "\n"
      << "Ayanamsha: " << FormatAyanamsha(chart.Ayanamsha) << "\n\n"
      << "Houses\n";
  for (std::size_t h = 0; h < chart.HouseCells.size(); ++h) {
    const int picture = chart.SignPictures[h];
    const std::string_view sign =
        picture > 0 ? SignFullNames[static_cast<std::size_t>(picture - 1)] : "?";
    out << "  " << std::setw(2) << h + 1 << "  " << Padded(sign, 13)
        << CellLine(chart.HouseCells[h]) << "\n";
  }
}

void WriteZoneList(std::ostream& out) {
  const auto& zones = FillTimeZoneTable();
  for (int row = 0; row < kTimeZoneRowCount; ++row)
    out << std::setw(2) << row << "  " << zones.TimeZoneNames[static_cast<std::size_t>(row)]
        << "\n";
}

}  // namespace quendal::cli
