#include "cli/convention_output.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
#include <string_view>

#include "positions/longitude_text.h"
#include "vedic/varga_table.h"

namespace quendal::cli {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view SignText(int sign) {
  return sign >= 0 ? SignShortNames[static_cast<std::size_t>(sign)] : std::string_view("-");
}

std::string_view LordName(int lord) { return kDashaLords[static_cast<std::size_t>(lord)]; }

// The divisions as QJsonObject orders its keys: by text, so "D10" comes before "D2".
std::array<std::size_t, kDivisions.size()> KeyOrder() {
  std::array<std::size_t, kDivisions.size()> order{};
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    return "D" + std::to_string(kDivisions[a]) < "D" + std::to_string(kDivisions[b]);
  });
  return order;
}

// Names, signs and lords need no escaping.
void AppendPair(std::string& out, std::string_view key, std::string_view text) {
  out += '"';
  out += key;
  out += "\":\"";
  out += text;
  out += '"';
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

}  // namespace

std::string NumberText(double value) {
  char digits[32];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

QJsonObject OptionsJson(const ChartOptions& options) {
  return {{"Zodiac", Text(ZodiacKey(options.zodiac))},
          {"Ayanamsha", Text(AyanamshaKey(options.ayanamsha))},
          {"Positions", Text(PositionsKey(options.positions))},
          {"Node", Text(NodeKey(options.node))}};
}

QJsonObject VargasJson(const Chart& chart) {
  const VargaTable table = ShodashavargaTable(chart);
  QJsonObject vargas;
  for (std::size_t k = 0; k < kDivisions.size(); ++k) {
    QJsonArray signs;
    for (const auto& row : table.signs) signs.append(Text(SignText(row[k])));
    vargas[QStringLiteral("D%1").arg(kDivisions[k])] = signs;
  }
  return vargas;
}

QJsonArray BodiesJson(const Chart& chart) {
  QJsonArray bodies;
  const auto rows = BodyNakshatras(chart);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BodyNakshatra& row = rows[i];
    bodies.append(
        QJsonObject{{"Name", Text(kBodyRowNames[i])},
                    {"Longitude", row.longitude},
                    {"Nakshatra", Text(kNakshatraNames[static_cast<std::size_t>(row.place.index)])},
                    {"Pada", row.place.pada},
                    {"Lord", Text(LordName(row.place.lord))},
                    {"SubLord", Text(LordName(row.sub_lord))}});
  }
  return bodies;
}

void AddTables(QJsonObject& json, const Chart& chart, const JsonTables& tables) {
  if (tables.vargas) json["Vargas"] = VargasJson(chart);
  if (tables.bodies) json["Bodies"] = BodiesJson(chart);
}

void AppendOptionsJson(std::string& out, const ChartOptions& options) {
  out += "\"Options\":{";
  AppendPair(out, "Ayanamsha", AyanamshaKey(options.ayanamsha));
  out += ',';
  AppendPair(out, "Node", NodeKey(options.node));
  out += ',';
  AppendPair(out, "Positions", PositionsKey(options.positions));
  out += ',';
  AppendPair(out, "Zodiac", ZodiacKey(options.zodiac));
  out += "},";
}

void AppendVargasJson(std::string& out, const Chart& chart) {
  static const auto order = KeyOrder();
  const VargaTable table = ShodashavargaTable(chart);
  out += "\"Vargas\":{";
  for (std::size_t k : order) {
    out += "\"D" + std::to_string(kDivisions[k]) + "\":[";
    for (const auto& row : table.signs) {
      out += '"';
      out += SignText(row[k]);
      out += "\",";
    }
    out.back() = ']';
    out += ',';
  }
  out.back() = '}';
  out += ',';
}

void AppendBodiesJson(std::string& out, const Chart& chart) {
  out += "\"Bodies\":[";
  const auto rows = BodyNakshatras(chart);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BodyNakshatra& row = rows[i];
    out += "{\"Longitude\":" + NumberText(row.longitude) + ',';
    AppendPair(out, "Lord", LordName(row.place.lord));
    out += ',';
    AppendPair(out, "Nakshatra", kNakshatraNames[static_cast<std::size_t>(row.place.index)]);
    out += ',';
    AppendPair(out, "Name", kBodyRowNames[i]);
    out += ",\"Pada\":" + std::to_string(row.place.pada) + ',';
    AppendPair(out, "SubLord", LordName(row.sub_lord));
    out += "},";
  }
  out.back() = ']';
  out += ',';
}

void WriteReadableVargas(std::ostream& out, const Chart& chart) {
  const VargaTable table = ShodashavargaTable(chart);
  out << "Shodashavarga (V: vargottama, the same sign in D1 and D9)\n" << Padded("", 11);
  for (int division : kDivisions) out << Padded("D" + std::to_string(division), 4);
  out << "\n";
  for (std::size_t body = 0; body < table.signs.size(); ++body) {
    out << Padded(kBodyRowNames[body], 11);
    for (int sign : table.signs[body]) out << Padded(SignText(sign), 4);
    out << (IsVargottama(table, body) ? "V" : "") << "\n";
  }
}

void WriteReadableBodies(std::ostream& out, const Chart& chart) {
  out << "Nakshatras (sidereal, " << AyanamshaName(chart.Options.ayanamsha) << " ayanamsha)\n"
      << "Body       Longitude        Nakshatra          Pada  Lord     Sub-lord\n";
  const auto rows = BodyNakshatras(chart);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BodyNakshatra& row = rows[i];
    // The degree mark is two bytes and one character wide.
    out << Padded(kBodyRowNames[i], 11) << Padded(FormatLongitude(row.longitude), 18)
        << Padded(kNakshatraNames[static_cast<std::size_t>(row.place.index)], 19)
        << Padded(std::to_string(row.place.pada), 6) << Padded(LordName(row.place.lord), 9)
        << LordName(row.sub_lord) << "\n";
  }
}

}  // namespace quendal::cli
