// The tables of the eight kootas and the Mars check: what each Moon sign and nakshatra is
// counted as, and the points each pair of attributes gets. Signs are 1 (Aries) to 12 (Pisces),
// nakshatras 1 (Ashwini) to 27 (Revati).
#pragma once

#include <array>
#include <string_view>

namespace quendal {

enum class Lord { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };
enum class Varna { Brahmin, Kshatriya, Vaishya, Shudra };  // highest first
enum class Vashya { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
enum class Yoni {
  Horse,
  Elephant,
  Sheep,
  Serpent,
  Dog,
  Cat,
  Rat,
  Cow,
  Buffalo,
  Tiger,
  Deer,
  Monkey,
  Mongoose,
  Lion
};
enum class Gana { Deva, Manushya, Rakshasa };
enum class Nadi { Adi, Madhya, Antya };
enum class Relation { Friend, Neutral, Enemy };

std::string_view LordName(Lord lord);
std::string_view VarnaName(Varna varna);
std::string_view VashyaName(Vashya vashya);
std::string_view YoniName(Yoni yoni);
std::string_view GanaName(Gana gana);
std::string_view NadiName(Nadi nadi);

Lord SignLord(int sign);
Varna VarnaOf(int sign);
// Sagittarius and Capricorn change group at 15° of the sign.
Vashya VashyaOf(int sign, double degrees_in_sign);
Yoni YoniOf(int nakshatra);
Gana GanaOf(int nakshatra);
Nadi NadiOf(int nakshatra);
// How `of` regards `toward` by nature; a lord is not its own friend, so ask only of two.
Relation NaturalRelation(Lord of, Lord toward);

// The points of each koota for the bride's and the groom's attribute.
double VarnaPoints(Varna bride, Varna groom);
double VashyaPoints(Vashya bride, Vashya groom);
// The remainder by 9 (0 taken as 9) of the count from one nakshatra to the other, inclusive.
int TaraOf(int from_nakshatra, int to_nakshatra);
bool TaraIsInauspicious(int tara);
double TaraPoints(int bride_nakshatra, int groom_nakshatra);
double YoniPoints(Yoni bride, Yoni groom);
double GrahaMaitriPoints(Lord bride, Lord groom);
double GanaPoints(Gana bride, Gana groom);
// The count of one sign from another, inclusive: 1 to 12.
int SignCount(int from_sign, int to_sign);
double BhakootPoints(int bride_sign, int groom_sign);
double NadiPoints(Nadi bride, Nadi groom);

// Mars counts as Manglik in these houses.
inline constexpr std::array<int, 6> kManglikHouses = {1, 2, 4, 7, 8, 12};

}  // namespace quendal
