#include "vedic/varga_table.h"

namespace quendal {

VargaTable ShodashavargaTable(const Chart& chart) {
  VargaTable table;
  const auto texts = LongTexts(chart);
  for (std::size_t body = 0; body < texts.size(); ++body) {
    const auto position = ParseLongitudeText(texts[body]);
    for (std::size_t k = 0; k < kDivisions.size(); ++k)
      table.signs[body][k] = position ? DivisionalSign(kDivisions[k], *position) : -1;
  }
  return table;
}

bool IsVargottama(const VargaTable& table, std::size_t body) {
  constexpr std::size_t kNavamsa = 5;  // the place of 9 in kDivisions
  static_assert(kDivisions[kNavamsa] == 9);
  const auto& row = table.signs[body];
  return row[0] >= 0 && row[0] == row[kNavamsa];
}

int SubLordOf(const NakshatraPlace& place) {
  double years = place.passed * 120;
  int lord = place.lord;
  for (int k = 0; k < 8; ++k) {
    const int length = kDashaYears[static_cast<std::size_t>(lord)];
    if (years < length) return lord;
    years -= length;
    lord = (lord + 1) % 9;
  }
  return lord;  // the last part takes whatever rounding left over
}

std::array<BodyNakshatra, 10> BodyNakshatras(const Chart& chart) {
  std::array<BodyNakshatra, 10> rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].longitude = chart.SiderealLongitudes[i];
    rows[i].place = NakshatraOf(rows[i].longitude);
    rows[i].sub_lord = SubLordOf(rows[i].place);
  }
  return rows;
}

}  // namespace quendal
