// The Shodashavarga table: the sign of each of the ten bodies in each of the sixteen
// divisional charts, and the nakshatra of each body with its Krishnamurti sub-lord.
#pragma once

#include <array>
#include <string_view>

#include "chart/chart.h"
#include "chart/translatable.h"
#include "vedic/divisional_signs.h"
#include "vedic/nakshatra.h"

namespace quendal {

// The rows of both tables, in positions-table order.
inline constexpr std::array<std::string_view, 10> kBodyRowNames = {
    QUENDAL_TRANSLATABLE("Names", "Sun"),     QUENDAL_TRANSLATABLE("Names", "Moon"),
    QUENDAL_TRANSLATABLE("Names", "Mercury"), QUENDAL_TRANSLATABLE("Names", "Venus"),
    QUENDAL_TRANSLATABLE("Names", "Mars"),    QUENDAL_TRANSLATABLE("Names", "Jupiter"),
    QUENDAL_TRANSLATABLE("Names", "Saturn"),  QUENDAL_TRANSLATABLE("Names", "Rahu"),
    QUENDAL_TRANSLATABLE("Names", "Ketu"),    QUENDAL_TRANSLATABLE("Names", "Ascendant")};

// signs[body][k] is the sign (0 = Aries, -1 unknown) of the body in division kDivisions[k].
struct VargaTable {
  std::array<std::array<int, kDivisions.size()>, 10> signs{};
};

// From the chart's long-form texts, the same signs the divisional charts are drawn from.
VargaTable ShodashavargaTable(const Chart& chart);

// The same sign in the birth chart and the Navamsa.
bool IsVargottama(const VargaTable& table, std::size_t body);

// Nine parts of a nakshatra from its own lord on, each as wide as its lord's share of the
// 120 years; the index into kDashaLords of the part that holds `place`.
int SubLordOf(const NakshatraPlace& place);

struct BodyNakshatra {
  double longitude = 0;  // sidereal, degrees
  NakshatraPlace place;
  int sub_lord = 0;
};

// Of the chart's sidereal longitudes, in table order.
std::array<BodyNakshatra, 10> BodyNakshatras(const Chart& chart);

}  // namespace quendal
