// Finding places in the built-in atlas as a person types, and the texts a chosen place puts
// into the form.
#include "places/place_search.h"

#include <gtest/gtest.h>

#include "birth/reading_file.h"
#include "places/place_choice.h"
#include "places/text_folding.h"

namespace quendal {
namespace {

QStringList Labels(const char* query, int limit = kPlaceListLength) {
  const Atlas& atlas = Atlas::Builtin();
  QStringList labels;
  for (const PlaceMatch& match : SearchPlaces(atlas, QString::fromUtf8(query), limit))
    labels << atlas.Label(match);
  return labels;
}

TEST(PlaceSearch, FindsByPrefixIgnoringCaseAndAccents) {
  EXPECT_EQ(Atlas::Builtin().Places().size(), 24361u);
  struct Case {
    const char* query;
    const char* first;
  };
  for (const Case& c :
       {Case{"sao p", "São Paulo, São Paulo, Brazil"},
        Case{"SÃO PAULO", "São Paulo, São Paulo, Brazil"},
        Case{"łodz", "Lodz, Łódź Voivodeship, Poland"}, Case{"pune", "Pune, Maharashtra, India"},
        Case{"st. louis", "St Louis, Missouri, United States of America"},
        Case{"new ", "New York, New York, United States of America"},
        Case{"springfield, il", "Springfield, Illinois, United States of America"},
        Case{"springfield, illinois", "Springfield, Illinois, United States of America"},
        Case{"kolkata, west bengal", "Kolkata, State of West Bengal, India"},
        Case{"paris, us", "Paris, Texas, United States of America"},
        Case{"springfield,massachusetts, united",
             "Springfield, Massachusetts, United States of America"}}) {
    SCOPED_TRACE(c.query);
    const QStringList labels = Labels(c.query);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.front(), QString::fromUtf8(c.first));
  }
  EXPECT_FALSE(Labels("new ").join('|').contains("Newcastle"));
  EXPECT_TRUE(Labels("springfield, zz").isEmpty());
}

TEST(PlaceSearch, RanksWholeNamesThenPopulationAndStopsAtTheLimit) {
  const Atlas& atlas = Atlas::Builtin();
  for (const char* query : {"s", "sp", "m", "springfield"}) {
    SCOPED_TRACE(query);
    const std::vector<PlaceMatch> found = SearchPlaces(atlas, QString::fromUtf8(query));
    EXPECT_LE(found.size(), static_cast<size_t>(kPlaceListLength));
    EXPECT_GE(found.size(), 9u);
    const QString folded = FoldForSearch(QString::fromUtf8(query));
    for (size_t i = 1; i < found.size(); ++i) {
      const AtlasPlace& before = atlas.Place(found[i - 1].place);
      const AtlasPlace& after = atlas.Place(found[i].place);
      const bool before_whole = before.folded_name == folded;
      const bool after_whole = after.folded_name == folded;
      EXPECT_TRUE(before_whole > after_whole ||
                  (before_whole == after_whole && before.population >= after.population));
    }
  }
  // Every Springfield comes before Springfield Gardens, larger as that is than some of them.
  const QStringList springfields = Labels("springfield");
  EXPECT_TRUE(springfields.last().startsWith("Springfield Gardens"));
  EXPECT_TRUE(Labels("").isEmpty());
  EXPECT_TRUE(Labels(" , india").isEmpty());
  EXPECT_EQ(Labels("mumbai", 1), QStringList{"Mumbai, Maharashtra, India"});
}

// Former names find the place under its current name, and current names find a place the
// atlas holds under its older one; the form takes the current name.
TEST(PlaceSearch, AlternateNamesListThePlaceUnderItsCurrentName) {
  const Atlas& atlas = Atlas::Builtin();
  EXPECT_EQ(atlas.Alternates().size(), 96u);
  struct Case {
    const char* query;
    const char* first;
    const char* city;
  };
  for (const Case& c : {
           Case{"bombay", "Mumbai (Bombay), Maharashtra, India", "Mumbai"},
           Case{"Calcutta, west bengal", "Kolkata (Calcutta), State of West Bengal, India",
                "Kolkata"},
           Case{"poona", "Pune (Poona), Maharashtra, India", "Pune"},
           Case{"bomb", "Mumbai (Bombay), Maharashtra, India", "Mumbai"},
           Case{"thiruvananthapuram", "Thiruvananthapuram (Trivandrum), Kerala, India",
                "Thiruvananthapuram"},
           Case{"trivandrum", "Trivandrum, Kerala, India", "Trivandrum"},
           Case{"allahabad", "Prayagraj (Allahabad), State of Uttar Pradesh, India", "Prayagraj"},
           Case{"leningrad", "Saint Petersburg (Leningrad), Saint Petersburg, Russia",
                "Saint Petersburg"},
       }) {
    SCOPED_TRACE(c.query);
    const auto found = SearchPlaces(atlas, QString::fromUtf8(c.query));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(atlas.Label(found.front()), QString::fromUtf8(c.first));
    EXPECT_EQ(atlas.CityName(found.front()), QString::fromUtf8(c.city));
  }
  EXPECT_TRUE(Labels("poona").contains("Poonamalle, Tamil Nadu, India"));
  // An alternate name joins the places of that name in population order.
  const QStringList cantons = Labels("canton");
  ASSERT_GE(cantons.size(), 3);
  EXPECT_TRUE(cantons.front().startsWith("Guangzhou (Canton), ")) << cantons.front().toStdString();
  EXPECT_TRUE(cantons[1].startsWith("Canton, ")) << cantons[1].toStdString();
  EXPECT_TRUE(Labels("bombay, china").isEmpty());
}

TEST(PlaceChoice, FormTextsRoundToTheMinuteAndFitTheReadingFile) {
  const Atlas& atlas = Atlas::Builtin();
  struct Case {
    const char* query;
    const char* city;
    const char* state;
    int lat_d, lat_m;
    bool south;
    int lon_d, lon_m;
    bool east;
  };
  for (const Case& c : {
           Case{"pune", "Pune", "Maharashtra", 18, 31, false, 73, 51, true},
           Case{"sao paulo", "São Paulo", "São Paulo", 23, 33, true, 46, 38, false},
           Case{"lodz", "Lodz", "Lodz Voivodeship", 51, 46, false, 19, 28, true},
           Case{"zuunmod", "Zuunmod", "Central Aimak", 47, 42, false, 106, 57, true},
       }) {
    SCOPED_TRACE(c.query);
    const std::vector<PlaceMatch> found = SearchPlaces(atlas, QString::fromUtf8(c.query), 1);
    ASSERT_EQ(found.size(), 1u);
    const PlaceEntry entry = EntryForPlace(atlas, atlas.Place(found[0].place));
    EXPECT_EQ(entry.city, QString::fromUtf8(c.city));
    EXPECT_EQ(entry.state, QString::fromUtf8(c.state));
    EXPECT_EQ(entry.latitude_degrees, c.lat_d);
    EXPECT_EQ(entry.latitude_minutes, c.lat_m);
    EXPECT_EQ(entry.latitude_is_south, c.south);
    EXPECT_EQ(entry.longitude_degrees, c.lon_d);
    EXPECT_EQ(entry.longitude_minutes, c.lon_m);
    EXPECT_EQ(entry.longitude_is_east, c.east);
  }
  // Every place of the atlas can be saved in a reading file and read back unchanged.
  int unfit = 0;
  for (const AtlasPlace& place : atlas.Places()) {
    const PlaceEntry entry = EntryForPlace(atlas, place);
    for (const QString& text : {entry.city, entry.state, entry.country}) {
      const std::string utf8 = text.toStdString();
      if (utf8.empty() || FromWindows1252(ToWindows1252(utf8)) != utf8) ++unfit;
    }
  }
  EXPECT_EQ(unfit, 0);
  EXPECT_EQ(RoundedArcMinutes(1852040), 18 * 60 + 31);  // 18.5204
  EXPECT_EQ(RoundedArcMinutes(-999), 1);                // 0.00999 -> 0.5994'
  EXPECT_EQ(RoundedArcMinutes(5999200), 3600);          // 59.992 -> 60° 0'
}

}  // namespace
}  // namespace quendal
