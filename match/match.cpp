#include "match/match.h"

#include <cmath>

#include "chart/translatable.h"
#include "match/koota_tables.h"
#include "positions/longitude_text.h"
#include "vedic/body_longitudes.h"

namespace quendal {
namespace {

int SignOf(double longitude) {
  return static_cast<int>(std::floor(WrapDegrees(longitude) / 30)) % 12 + 1;
}

std::string Text(std::string_view view) { return std::string(view); }

std::string TaraText(int tara) { return "Tara " + std::to_string(tara); }

}  // namespace

ChartOptions MatchOptions(const ChartOptions& in_force) {
  return {Zodiac::SiderealLahiri, in_force.positions};
}

MoonPlace MoonPlaceOf(const Chart& sidereal_chart) {
  MoonPlace place;
  const double moon = WrapDegrees(sidereal_chart.SiderealMoon);
  place.nakshatra = sidereal_chart.MoonNakshatra.index + 1;
  place.pada = sidereal_chart.MoonNakshatra.pada;
  place.sign = SignOf(moon);
  place.degrees_in_sign = moon - 30 * (place.sign - 1);
  return place;
}

MatchResult MatchMoons(const MoonPlace& b, const MoonPlace& g) {
  MatchResult match;
  const Varna bv = VarnaOf(b.sign), gv = VarnaOf(g.sign);
  const Vashya bs = VashyaOf(b.sign, b.degrees_in_sign), gs = VashyaOf(g.sign, g.degrees_in_sign);
  const Yoni by = YoniOf(b.nakshatra), gy = YoniOf(g.nakshatra);
  const Lord bl = SignLord(b.sign), gl = SignLord(g.sign);
  const Gana bg = GanaOf(b.nakshatra), gg = GanaOf(g.nakshatra);
  const Nadi bn = NadiOf(b.nakshatra), gn = NadiOf(g.nakshatra);
  // Each one's tara is the count to their star from the other's.
  match.kootas = {{
      {QUENDAL_TRANSLATABLE("Names", "Varna"), Text(VarnaName(bv)), Text(VarnaName(gv)),
       VarnaPoints(bv, gv), 1},
      {QUENDAL_TRANSLATABLE("Names", "Vashya"), Text(VashyaName(bs)), Text(VashyaName(gs)),
       VashyaPoints(bs, gs), 2},
      {QUENDAL_TRANSLATABLE("Names", "Tara"), TaraText(TaraOf(g.nakshatra, b.nakshatra)),
       TaraText(TaraOf(b.nakshatra, g.nakshatra)), TaraPoints(b.nakshatra, g.nakshatra), 3},
      {QUENDAL_TRANSLATABLE("Names", "Yoni"), Text(YoniName(by)), Text(YoniName(gy)),
       YoniPoints(by, gy), 4},
      {QUENDAL_TRANSLATABLE("Names", "Graha Maitri"), Text(LordName(bl)), Text(LordName(gl)),
       GrahaMaitriPoints(bl, gl), 5},
      {QUENDAL_TRANSLATABLE("Names", "Gana"), Text(GanaName(bg)), Text(GanaName(gg)),
       GanaPoints(bg, gg), 6},
      {QUENDAL_TRANSLATABLE("Names", "Bhakoot"),
       Text(SignFullNames[static_cast<std::size_t>(b.sign - 1)]),
       Text(SignFullNames[static_cast<std::size_t>(g.sign - 1)]), BhakootPoints(b.sign, g.sign), 7},
      {QUENDAL_TRANSLATABLE("Names", "Nadi"), Text(NadiName(bn)), Text(NadiName(gn)),
       NadiPoints(bn, gn), 8},
  }};
  for (const KootaRow& row : match.kootas) match.total += row.points;
  for (const KootaRow& row : match.kootas) {
    if ((row.name == "Bhakoot" || row.name == "Nadi") && row.points == 0)
      match.doshas.push_back(row.name + " dosha");
  }
  return match;
}

MatchResult MatchCharts(const Chart& bride, const Chart& groom) {
  const MoonPlace b = MoonPlaceOf(bride);
  const MoonPlace g = MoonPlaceOf(groom);
  MatchResult match = MatchMoons(b, g);
  // Table order: Sun, Moon, Mercury, Venus, Mars ... Ascendant last.
  match.bride_mars = CheckMars(SignOf(bride.Longitudes[4]), SignOf(bride.Longitudes[9]), b.sign);
  match.groom_mars = CheckMars(SignOf(groom.Longitudes[4]), SignOf(groom.Longitudes[9]), g.sign);
  return match;
}

}  // namespace quendal
