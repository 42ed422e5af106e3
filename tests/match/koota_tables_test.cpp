#include "match/koota_tables.h"

#include <gtest/gtest.h>

#include <map>

namespace quendal {
namespace {

constexpr int kAries = 1, kTaurus = 2, kGemini = 3, kCancer = 4, kLeo = 5, kScorpio = 8,
              kSagittarius = 9, kCapricorn = 10, kAquarius = 11, kPisces = 12;

TEST(KootaTables, VarnaIsOneWhenTheGroomStandsAsHighOrHigher) {
  struct Case {
    int bride, groom;
    double points;
  } cases[] = {{kCancer, kLeo, 0},      {kLeo, kCancer, 1},       {kGemini, kGemini, 1},
               {kPisces, kAquarius, 0}, {kAquarius, kScorpio, 1}, {kTaurus, kAries, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(VarnaPoints(VarnaOf(c.bride), VarnaOf(c.groom)), c.points) << c.bride << c.groom;
}

TEST(KootaTables, VashyaSplitsSagittariusAndCapricornAtFifteenDegrees) {
  EXPECT_EQ(VashyaOf(kSagittarius, 14.999), Vashya::Manava);
  EXPECT_EQ(VashyaOf(kSagittarius, 15), Vashya::Chatushpada);
  EXPECT_EQ(VashyaOf(kCapricorn, 14.999), Vashya::Chatushpada);
  EXPECT_EQ(VashyaOf(kCapricorn, 15), Vashya::Jalachara);
  EXPECT_EQ(VashyaOf(kLeo, 20), Vashya::Vanachara);
  EXPECT_EQ(VashyaOf(kScorpio, 1), Vashya::Keeta);
  EXPECT_EQ(VashyaPoints(Vashya::Manava, Vashya::Vanachara), 0);
  EXPECT_EQ(VashyaPoints(Vashya::Chatushpada, Vashya::Vanachara), 0.5);
  EXPECT_EQ(VashyaPoints(Vashya::Keeta, Vashya::Keeta), 2);
  for (int a = 0; a < 5; ++a)
    for (int b = 0; b < 5; ++b)
      EXPECT_EQ(VashyaPoints(Vashya(a), Vashya(b)), VashyaPoints(Vashya(b), Vashya(a)));
}

TEST(KootaTables, TaraCountsBothWaysInclusively) {
  EXPECT_EQ(TaraOf(1, 1), 1);
  EXPECT_EQ(TaraOf(1, 3), 3);
  EXPECT_EQ(TaraOf(1, 9), 9);
  EXPECT_EQ(TaraOf(1, 10), 1);
  EXPECT_EQ(TaraOf(27, 1), 2);
  EXPECT_EQ(TaraOf(3, 1), 8);  // 26 counted back round the circle
  // Rohini to Ardra is the 3rd (inauspicious); Ardra to Rohini the 26th, 8th: fine.
  EXPECT_EQ(TaraPoints(4, 6), 1.5);
  EXPECT_EQ(TaraPoints(6, 4), 1.5);
  EXPECT_EQ(TaraPoints(4, 8), 1.5);  // the 5th one way
  EXPECT_EQ(TaraPoints(5, 5), 3);
  EXPECT_EQ(TaraPoints(1, 2), 3);
}

TEST(KootaTables, YoniAnimalsAndTheSevenEnemyPairs) {
  EXPECT_EQ(YoniOf(1), Yoni::Horse);
  EXPECT_EQ(YoniOf(21), Yoni::Mongoose);
  EXPECT_EQ(YoniOf(24), Yoni::Horse);
  EXPECT_EQ(YoniOf(27), Yoni::Elephant);
  std::map<Yoni, int> seen;
  for (int n = 1; n <= 27; ++n) ++seen[YoniOf(n)];
  EXPECT_EQ(seen.size(), 14u);
  EXPECT_EQ(seen[Yoni::Mongoose], 1);

  const std::pair<Yoni, Yoni> enemies[] = {
      {Yoni::Horse, Yoni::Buffalo},    {Yoni::Elephant, Yoni::Lion}, {Yoni::Sheep, Yoni::Monkey},
      {Yoni::Serpent, Yoni::Mongoose}, {Yoni::Dog, Yoni::Deer},      {Yoni::Cat, Yoni::Rat},
      {Yoni::Cow, Yoni::Tiger}};
  int zeros = 0;
  for (int a = 0; a < 14; ++a) {
    EXPECT_EQ(YoniPoints(Yoni(a), Yoni(a)), 4);
    for (int b = 0; b < 14; ++b) {
      EXPECT_EQ(YoniPoints(Yoni(a), Yoni(b)), YoniPoints(Yoni(b), Yoni(a))) << a << " " << b;
      zeros += YoniPoints(Yoni(a), Yoni(b)) == 0;
    }
  }
  for (const auto& [a, b] : enemies) EXPECT_EQ(YoniPoints(a, b), 0);
  EXPECT_EQ(zeros, 14);  // each enemy pair counted both ways, and nothing else
  EXPECT_EQ(YoniPoints(Yoni::Horse, Yoni::Serpent), 3);
  EXPECT_EQ(YoniPoints(Yoni::Tiger, Yoni::Mongoose), 2);
}

TEST(KootaTables, GrahaMaitriFromTheLordsOfTheMoonSigns) {
  struct Case {
    int bride, groom;
    double points;
  } cases[] = {
      {kLeo, kLeo, 5},          // Sun and Sun
      {kAries, kScorpio, 5},    // the same lord
      {kLeo, kCancer, 5},       // Sun and Moon: friends both ways
      {kLeo, kGemini, 4},       // Sun regards Mercury as neutral, Mercury the Sun as friend
      {kCancer, kGemini, 1},    // Moon: friend of Mercury; Mercury: enemy of the Moon
      {kGemini, kPisces, 0.5},  // Mercury neutral to Jupiter, Jupiter hostile to Mercury
      {kAries, kTaurus, 3},     // Mars and Venus: neutral both ways
      {kLeo, kAquarius, 0},     // Sun and Saturn: enemies both ways
  };
  for (const Case& c : cases) {
    const Lord b = SignLord(c.bride), g = SignLord(c.groom);
    EXPECT_EQ(GrahaMaitriPoints(b, g), c.points) << c.bride << " " << c.groom;
    EXPECT_EQ(GrahaMaitriPoints(g, b), c.points) << c.bride << " " << c.groom;
  }
  EXPECT_EQ(SignLord(kCapricorn), Lord::Saturn);
  EXPECT_EQ(SignLord(kPisces), Lord::Jupiter);
}

TEST(KootaTables, GanaNadiAndTheirPoints) {
  std::map<Gana, int> ganas;
  std::map<Nadi, int> nadis;
  for (int n = 1; n <= 27; ++n) {
    ++ganas[GanaOf(n)];
    ++nadis[NadiOf(n)];
  }
  for (const auto& [gana, count] : ganas) EXPECT_EQ(count, 9);
  for (const auto& [nadi, count] : nadis) EXPECT_EQ(count, 9);
  EXPECT_EQ(GanaOf(4), Gana::Manushya);
  EXPECT_EQ(GanaOf(19), Gana::Rakshasa);
  EXPECT_EQ(GanaOf(22), Gana::Deva);
  EXPECT_EQ(NadiOf(13), Nadi::Adi);
  EXPECT_EQ(NadiOf(14), Nadi::Madhya);
  EXPECT_EQ(NadiOf(15), Nadi::Antya);
  // Rows the bride's: the table is not symmetric.
  EXPECT_EQ(GanaPoints(Gana::Deva, Gana::Manushya), 6);
  EXPECT_EQ(GanaPoints(Gana::Manushya, Gana::Deva), 5);
  EXPECT_EQ(GanaPoints(Gana::Deva, Gana::Rakshasa), 0);
  EXPECT_EQ(GanaPoints(Gana::Rakshasa, Gana::Deva), 1);
  EXPECT_EQ(GanaPoints(Gana::Rakshasa, Gana::Rakshasa), 6);
  EXPECT_EQ(NadiPoints(Nadi::Adi, Nadi::Adi), 0);
  EXPECT_EQ(NadiPoints(Nadi::Antya, Nadi::Madhya), 8);
}

TEST(KootaTables, BhakootRefusesTwelveFiveNineAndSixEight) {
  for (int groom = 1; groom <= 12; ++groom) {
    const int count = SignCount(kAries, groom);
    const bool dosha =
        count == 2 || count == 12 || count == 5 || count == 9 || count == 6 || count == 8;
    EXPECT_EQ(BhakootPoints(kAries, groom), dosha ? 0 : 7) << groom;
    EXPECT_EQ(BhakootPoints(groom, kAries), dosha ? 0 : 7) << groom;
  }
  EXPECT_EQ(SignCount(kPisces, kAries), 2);
  EXPECT_EQ(BhakootPoints(kPisces, kAries), 0);
  EXPECT_EQ(BhakootPoints(kCapricorn, kCancer), 7);  // 7/7
}

}  // namespace
}  // namespace quendal
