// The Mars check (Manglik, Kuja dosha): Mars in one of six houses counted by whole signs from
// the ascendant, and separately from the Moon. No cancellation is applied.
#pragma once

#include <string>

namespace quendal {

struct MarsCheck {
  int house_from_ascendant = 1;  // 1 to 12
  int house_from_moon = 1;
  bool manglik = false;  // either house is one of kManglikHouses

  bool operator==(const MarsCheck&) const = default;
};

// Of the signs (1 = Aries) of Mars, the ascendant and the Moon.
MarsCheck CheckMars(int mars_sign, int ascendant_sign, int moon_sign);

// "Mars in the 7th from the ascendant; in the 4th from the Moon"
std::string MarsHousesText(const MarsCheck& check);

// "1st", "2nd", "3rd", "4th" ... "12th"
std::string Ordinal(int n);

}  // namespace quendal
