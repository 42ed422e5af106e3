#include "chart_text/chart_json.h"

#include <algorithm>
#include <array>

#include "chart_text/dasha_json.h"
#include "chart_text/json_text.h"
#include "positions/longitude_text.h"
#include "vedic/dasha_levels.h"
#include "vedic/nakshatra.h"
#include "vedic/varga_table.h"

namespace quendal {
namespace {

// Each Append... writes `"key":value,`; the object's last comma becomes its closing brace.
void AppendText(std::string& out, std::string_view key, std::string_view text) {
  AppendJsonKey(out, key);
  AppendJsonString(out, text);
  out += ',';
}

void AppendNumber(std::string& out, std::string_view key, double value) {
  AppendJsonKey(out, key);
  AppendNumberText(out, value);
  out += ',';
}

template <typename Values, typename Each>
void AppendArray(std::string& out, std::string_view key, const Values& values, Each each) {
  AppendJsonKey(out, key);
  out += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    each(values[i]);
  }
  out += "],";
}

template <typename Texts>
void AppendTexts(std::string& out, std::string_view key, const Texts& texts) {
  AppendArray(out, key, texts, [&out](std::string_view text) { AppendJsonString(out, text); });
}

// Names, signs and lords need no escaping.
void AppendPair(std::string& out, std::string_view key, std::string_view text) {
  out += '"';
  out += key;
  out += "\":\"";
  out += text;
  out += "\",";
}

std::string_view SignText(int sign) {
  return sign >= 0 ? SignShortNames[static_cast<std::size_t>(sign)] : std::string_view("-");
}

std::string_view LordName(int lord) { return kDashaLords[static_cast<std::size_t>(lord)]; }

void AppendOptions(std::string& out, const ChartOptions& options) {
  out += "\"Options\":{";
  AppendPair(out, "Ayanamsha", AyanamshaKey(options.ayanamsha));
  AppendPair(out, "Node", NodeKey(options.node));
  AppendPair(out, "Positions", PositionsKey(options.positions));
  AppendPair(out, "Zodiac", ZodiacKey(options.zodiac));
  out.back() = '}';
  out += ',';
}

// The divisions as a JSON object orders its keys: by text, so "D10" comes before "D2".
std::array<std::size_t, kDivisions.size()> KeyOrder() {
  std::array<std::size_t, kDivisions.size()> order{};
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    return "D" + std::to_string(kDivisions[a]) < "D" + std::to_string(kDivisions[b]);
  });
  return order;
}

void AppendVargas(std::string& out, const Chart& chart) {
  static const auto order = KeyOrder();
  const VargaTable table = ShodashavargaTable(chart);
  out += "\"Vargas\":{";
  for (std::size_t k : order) {
    AppendArray(out, "D" + std::to_string(kDivisions[k]), table.signs, [&](const auto& row) {
      out += '"';
      out += SignText(row[k]);
      out += '"';
    });
  }
  out.back() = '}';
  out += ',';
}

void AppendBodies(std::string& out, const Chart& chart) {
  const auto rows = BodyNakshatras(chart);
  std::size_t i = 0;
  AppendArray(out, "Bodies", rows, [&](const BodyNakshatra& row) {
    out += '{';
    AppendNumber(out, "Longitude", row.longitude);
    AppendPair(out, "Lord", LordName(row.place.lord));
    AppendPair(out, "Nakshatra", kNakshatraNames[static_cast<std::size_t>(row.place.index)]);
    AppendPair(out, "Name", kBodyRowNames[i++]);
    out += "\"Pada\":" + std::to_string(row.place.pada) + ',';
    AppendPair(out, "SubLord", LordName(row.sub_lord));
    out.back() = '}';
  });
}

void AppendDasha(std::string& out, const Chart& chart) {
  const Dasha dasha = DashaOfChart(chart);
  out += "\"Dasha\":";
  AppendDashaJson(out, dasha);
  out += ",\"DashaBalance\":";
  AppendDashaBalanceJson(out, dasha);
  out += ',';
}

}  // namespace

void AppendChartJson(std::string& out, const Chart& chart, const ChartJsonExtras& extras) {
  out += '{';
  const NakshatraPlace& moon = chart.MoonNakshatra;
  AppendText(out, "AscendantText", chart.AscendantText);
  AppendNumber(out, "Ayanamsha", chart.Ayanamsha);
  if (extras.tables.bodies) AppendBodies(out, chart);
  AppendTexts(out, "ChartBodyNames", chart.ChartBodyNames);
  if (extras.dasha) AppendDasha(out, chart);
  AppendNumber(out, "DashaYearDays", DashaYearDays(chart.Options.dasha_year));
  AppendTexts(out, "HouseCells", chart.HouseCells);
  AppendText(out, "KetuText", chart.KetuText);
  AppendArray(out, "Longitudes", chart.Longitudes,
              [&out](double longitude) { AppendNumberText(out, longitude); });
  AppendText(out, "MoonSignName", chart.MoonSignName);
  AppendText(out, "MoonText", chart.MoonText);
  AppendText(out, "Nakshatra", kNakshatraNames[static_cast<std::size_t>(moon.index)]);
  AppendText(out, "NakshatraLord", LordName(moon.lord));
  AppendOptions(out, chart.Options);
  out += "\"Pada\":" + std::to_string(moon.pada) + ',';
  if (!extras.place.empty()) {
    out += "\"Place\":";
    out += extras.place;
    out += ',';
  }
  AppendTexts(out, "PlanetTexts", chart.PlanetTexts);
  AppendTexts(out, "PositionsTable", chart.PositionsTable);
  AppendText(out, "RahuText", chart.RahuText);
  AppendArray(out, "RetrogradeFlags", chart.RetrogradeFlags,
              [&out](bool flag) { out += flag ? "true" : "false"; });
  AppendTexts(out, "SignCells", chart.SignCells);
  AppendArray(out, "SignPictures", chart.SignPictures,
              [&out](int picture) { out += std::to_string(picture); });
  AppendText(out, "SunSign", chart.SunSign);
  if (extras.tables.vargas) AppendVargas(out, chart);
  out.back() = '}';
}

}  // namespace quendal
