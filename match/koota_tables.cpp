#include "match/koota_tables.h"

#include <cstddef>

#include "chart/translatable.h"

namespace quendal {
namespace {

template <typename T, std::size_t N>
constexpr std::size_t At(const std::array<T, N>&, int one_based) {
  return static_cast<std::size_t>(one_based - 1) % N;
}

constexpr std::size_t I(auto value) { return static_cast<std::size_t>(value); }

constexpr std::array<Lord, 12> kSignLords = {
    Lord::Mars,  Lord::Venus, Lord::Mercury, Lord::Moon,   Lord::Sun,    Lord::Mercury,
    Lord::Venus, Lord::Mars,  Lord::Jupiter, Lord::Saturn, Lord::Saturn, Lord::Jupiter};

constexpr std::array<Varna, 12> kSignVarnas = {Varna::Kshatriya, Varna::Vaishya,   Varna::Shudra,
                                               Varna::Brahmin,   Varna::Kshatriya, Varna::Vaishya,
                                               Varna::Shudra,    Varna::Brahmin,   Varna::Kshatriya,
                                               Varna::Vaishya,   Varna::Shudra,    Varna::Brahmin};

using V = Vashya;
// Sagittarius and Capricorn hold their group before 15°; the second half is set apart below.
constexpr std::array<Vashya, 12> kSignVashyas = {
    V::Chatushpada, V::Chatushpada, V::Manava, V::Jalachara,   V::Vanachara, V::Manava,
    V::Manava,      V::Keeta,       V::Manava, V::Chatushpada, V::Manava,    V::Jalachara};

constexpr double kVashyaPoints[5][5] = {
    {2, 1, 1, 0.5, 1}, {1, 2, 0.5, 0, 1}, {1, 0.5, 2, 1, 1}, {0.5, 0, 1, 2, 0}, {1, 1, 1, 0, 2}};

using Y = Yoni;
constexpr std::array<Yoni, 27> kNakshatraYonis = {
    Y::Horse,   Y::Elephant, Y::Sheep, Y::Serpent, Y::Serpent, Y::Dog,     Y::Cat,
    Y::Sheep,   Y::Cat,      Y::Rat,   Y::Rat,     Y::Cow,     Y::Buffalo, Y::Tiger,
    Y::Buffalo, Y::Tiger,    Y::Deer,  Y::Deer,    Y::Dog,     Y::Monkey,  Y::Mongoose,
    Y::Monkey,  Y::Lion,     Y::Horse, Y::Lion,    Y::Cow,     Y::Elephant};

constexpr int kYoniPoints[14][14] = {
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 1, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {1, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
};

using G = Gana;
constexpr std::array<Gana, 27> kNakshatraGanas = {
    G::Deva, G::Manushya, G::Rakshasa, G::Manushya, G::Deva,     G::Manushya, G::Deva,
    G::Deva, G::Rakshasa, G::Rakshasa, G::Manushya, G::Manushya, G::Deva,     G::Rakshasa,
    G::Deva, G::Rakshasa, G::Deva,     G::Rakshasa, G::Rakshasa, G::Manushya, G::Manushya,
    G::Deva, G::Rakshasa, G::Rakshasa, G::Manushya, G::Manushya, G::Deva};

// Rows the bride's gana, columns the groom's.
constexpr double kGanaPoints[3][3] = {{6, 6, 0}, {5, 6, 0}, {1, 0, 6}};

using N = Nadi;
// Adi, Madhya and Antya run 1-2-3-3-2-1 through the nakshatras.
constexpr std::array<Nadi, 27> kNakshatraNadis = {
    N::Adi,   N::Madhya, N::Antya, N::Antya, N::Madhya, N::Adi,   N::Adi,   N::Madhya, N::Antya,
    N::Antya, N::Madhya, N::Adi,   N::Adi,   N::Madhya, N::Antya, N::Antya, N::Madhya, N::Adi,
    N::Adi,   N::Madhya, N::Antya, N::Antya, N::Madhya, N::Adi,   N::Adi,   N::Madhya, N::Antya};

constexpr Relation F = Relation::Friend, U = Relation::Neutral, E = Relation::Enemy;
// Rows the lord who regards, columns the one regarded, in the order of Lord; the diagonal is
// never asked.
constexpr Relation kNatural[7][7] = {
    {U, F, F, U, F, E, E},  // Sun
    {F, U, U, F, U, U, U},  // Moon
    {F, F, U, E, F, U, U},  // Mars
    {F, E, U, U, U, F, U},  // Mercury
    {F, F, F, E, U, E, U},  // Jupiter
    {E, E, U, F, U, U, F},  // Venus
    {E, E, E, F, U, F, U},  // Saturn
};

constexpr std::array<std::string_view, 7> kLordNames = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                        "Jupiter", "Venus", "Saturn"};
constexpr std::array<std::string_view, 4> kVarnaNames = {
    QUENDAL_TRANSLATABLE("Names", "Brahmin"), QUENDAL_TRANSLATABLE("Names", "Kshatriya"),
    QUENDAL_TRANSLATABLE("Names", "Vaishya"), QUENDAL_TRANSLATABLE("Names", "Shudra")};
constexpr std::array<std::string_view, 5> kVashyaNames = {
    QUENDAL_TRANSLATABLE("Names", "Chatushpada"), QUENDAL_TRANSLATABLE("Names", "Manava"),
    QUENDAL_TRANSLATABLE("Names", "Jalachara"), QUENDAL_TRANSLATABLE("Names", "Vanachara"),
    QUENDAL_TRANSLATABLE("Names", "Keeta")};
constexpr std::array<std::string_view, 14> kYoniNames = {
    QUENDAL_TRANSLATABLE("Names", "Horse"),    QUENDAL_TRANSLATABLE("Names", "Elephant"),
    QUENDAL_TRANSLATABLE("Names", "Sheep"),    QUENDAL_TRANSLATABLE("Names", "Serpent"),
    QUENDAL_TRANSLATABLE("Names", "Dog"),      QUENDAL_TRANSLATABLE("Names", "Cat"),
    QUENDAL_TRANSLATABLE("Names", "Rat"),      QUENDAL_TRANSLATABLE("Names", "Cow"),
    QUENDAL_TRANSLATABLE("Names", "Buffalo"),  QUENDAL_TRANSLATABLE("Names", "Tiger"),
    QUENDAL_TRANSLATABLE("Names", "Deer"),     QUENDAL_TRANSLATABLE("Names", "Monkey"),
    QUENDAL_TRANSLATABLE("Names", "Mongoose"), QUENDAL_TRANSLATABLE("Names", "Lion")};
constexpr std::array<std::string_view, 3> kGanaNames = {QUENDAL_TRANSLATABLE("Names", "Deva"),
                                                        QUENDAL_TRANSLATABLE("Names", "Manushya"),
                                                        QUENDAL_TRANSLATABLE("Names", "Rakshasa")};
constexpr std::array<std::string_view, 3> kNadiNames = {QUENDAL_TRANSLATABLE("Names", "Adi"),
                                                        QUENDAL_TRANSLATABLE("Names", "Madhya"),
                                                        QUENDAL_TRANSLATABLE("Names", "Antya")};

}  // namespace

std::string_view LordName(Lord lord) { return kLordNames[I(lord)]; }
std::string_view VarnaName(Varna varna) { return kVarnaNames[I(varna)]; }
std::string_view VashyaName(Vashya vashya) { return kVashyaNames[I(vashya)]; }
std::string_view YoniName(Yoni yoni) { return kYoniNames[I(yoni)]; }
std::string_view GanaName(Gana gana) { return kGanaNames[I(gana)]; }
std::string_view NadiName(Nadi nadi) { return kNadiNames[I(nadi)]; }

Lord SignLord(int sign) { return kSignLords[At(kSignLords, sign)]; }
Varna VarnaOf(int sign) { return kSignVarnas[At(kSignVarnas, sign)]; }

Vashya VashyaOf(int sign, double degrees_in_sign) {
  const bool second_half = degrees_in_sign >= 15;
  if (sign == 9 && second_half) return Vashya::Chatushpada;
  if (sign == 10 && second_half) return Vashya::Jalachara;
  return kSignVashyas[At(kSignVashyas, sign)];
}

Yoni YoniOf(int nakshatra) { return kNakshatraYonis[At(kNakshatraYonis, nakshatra)]; }
Gana GanaOf(int nakshatra) { return kNakshatraGanas[At(kNakshatraGanas, nakshatra)]; }
Nadi NadiOf(int nakshatra) { return kNakshatraNadis[At(kNakshatraNadis, nakshatra)]; }
Relation NaturalRelation(Lord of, Lord toward) { return kNatural[I(of)][I(toward)]; }

double VarnaPoints(Varna bride, Varna groom) { return I(groom) <= I(bride) ? 1 : 0; }
double VashyaPoints(Vashya bride, Vashya groom) { return kVashyaPoints[I(bride)][I(groom)]; }

int TaraOf(int from_nakshatra, int to_nakshatra) {
  const int count = ((to_nakshatra - from_nakshatra) % 27 + 27) % 27 + 1;
  const int tara = count % 9;
  return tara == 0 ? 9 : tara;
}

bool TaraIsInauspicious(int tara) { return tara == 3 || tara == 5 || tara == 7; }

double TaraPoints(int bride_nakshatra, int groom_nakshatra) {
  double points = 0;
  if (!TaraIsInauspicious(TaraOf(bride_nakshatra, groom_nakshatra))) points += 1.5;
  if (!TaraIsInauspicious(TaraOf(groom_nakshatra, bride_nakshatra))) points += 1.5;
  return points;
}

double YoniPoints(Yoni bride, Yoni groom) { return kYoniPoints[I(bride)][I(groom)]; }

double GrahaMaitriPoints(Lord bride, Lord groom) {
  if (bride == groom) return 5;
  const Relation one = NaturalRelation(bride, groom);
  const Relation other = NaturalRelation(groom, bride);
  const int friends = (one == Relation::Friend) + (other == Relation::Friend);
  const int enemies = (one == Relation::Enemy) + (other == Relation::Enemy);
  if (friends == 2) return 5;
  if (friends == 1 && enemies == 0) return 4;
  if (friends == 0 && enemies == 0) return 3;
  if (friends == 1) return 1;
  if (enemies == 1) return 0.5;
  return 0;
}

double GanaPoints(Gana bride, Gana groom) { return kGanaPoints[I(bride)][I(groom)]; }

int SignCount(int from_sign, int to_sign) { return ((to_sign - from_sign) % 12 + 12) % 12 + 1; }

double BhakootPoints(int bride_sign, int groom_sign) {
  // 2/12, 5/9 and 6/8 are the pairs whose counts are 2, 5 or 6 one way round.
  const int count = SignCount(bride_sign, groom_sign);
  const int back = SignCount(groom_sign, bride_sign);
  for (const int bad : {2, 5, 6}) {
    if (count == bad || back == bad) return 0;
  }
  return 7;
}

double NadiPoints(Nadi bride, Nadi groom) { return bride == groom ? 0 : 8; }

}  // namespace quendal
