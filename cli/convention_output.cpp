#include "cli/convention_output.h"

#include <iomanip>
#include <string_view>

#include "positions/longitude_text.h"
#include "vedic/varga_table.h"

namespace quendal::cli {
namespace {

std::string_view SignText(int sign) {
  return sign >= 0 ? SignShortNames[static_cast<std::size_t>(sign)] : std::string_view("-");
}

std::string_view LordName(int lord) { return kDashaLords[static_cast<std::size_t>(lord)]; }

std::string Padded(std::string_view text, std::size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

}  // namespace

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
