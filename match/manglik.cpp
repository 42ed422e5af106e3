#include "match/manglik.h"

#include <algorithm>

#include "match/koota_tables.h"

namespace quendal {

MarsCheck CheckMars(int mars_sign, int ascendant_sign, int moon_sign) {
  MarsCheck check;
  check.house_from_ascendant = SignCount(ascendant_sign, mars_sign);
  check.house_from_moon = SignCount(moon_sign, mars_sign);
  const auto counts = [](int house) {
    return std::find(kManglikHouses.begin(), kManglikHouses.end(), house) != kManglikHouses.end();
  };
  check.manglik = counts(check.house_from_ascendant) || counts(check.house_from_moon);
  return check;
}

std::string Ordinal(int n) {
  const int last = n % 10;
  const bool teen = n % 100 >= 11 && n % 100 <= 13;
  const char* suffix = teen ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

std::string MarsHousesText(const MarsCheck& check) {
  return "Mars in the " + Ordinal(check.house_from_ascendant) + " from the ascendant; in the " +
         Ordinal(check.house_from_moon) + " from the Moon";
}

}  // namespace quendal
