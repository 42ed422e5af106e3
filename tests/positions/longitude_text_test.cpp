#include "positions/longitude_text.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(LongitudeText, LongAndTableFormsTruncateMinutesAndSeconds) {
  struct Case {
    double x;
    const char* long_form;
    const char* table_form;
  };
  const Case cases[] = {
      {24.29792186864862, "24\u00b0 17' 52\" Ari", "24 Ari 17"},
      {35.0525, "5\u00b0 3' 9\" Tau", "05 Tau 03"},
      {30.0, "0\u00b0 0' 0\" Tau", "00 Tau 00"},
      {10.1, "10\u00b0 5' 59\" Ari", "10 Ari 05"},  // 0.1 is 0.0999999999999996 here
      {359.999, "29\u00b0 59' 56\" Pis", "29 Pis 59"},
      {-35.0525, "5\u00b0 3' 9\" Tau", "05 Tau 03"},
      {0.0, "0\u00b0 0' 0\" Ari", "00 Ari 00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLongitude(c.x), c.long_form) << c.x;
    EXPECT_EQ(FormatTableEntry(c.long_form), c.table_form) << c.x;
  }
  EXPECT_EQ(FormatTableEntry("  7\u00b0 12' 3\" Sco"), "07 Sco 12");
}

TEST(LongitudeText, EveryTableRowCarriesItsSignInCharactersFourToSix) {
  for (double x = 0; x < 360; x += 0.0137) {
    const std::string row = FormatTableEntry(FormatLongitude(x));
    ASSERT_EQ(row.size(), 9u) << x;
    ASSERT_EQ(SignIndex(TableEntrySign(row)), static_cast<int>(x / 30)) << x;
  }
}

TEST(LongitudeText, Normalize360TakesOneStepEachWay) {
  EXPECT_EQ(Normalize360(-10), 350);
  EXPECT_EQ(Normalize360(370), 10);
  EXPECT_EQ(Normalize360(360), 360);
  EXPECT_EQ(Normalize360(-400), -40);
}

TEST(LongitudeText, SignLookups) {
  EXPECT_EQ(SignIndex("Ari"), 0);
  EXPECT_EQ(SignIndex("Pis"), 11);
  EXPECT_EQ(SignIndex("ari"), -1);
  EXPECT_EQ(SignIndex(""), -1);
  EXPECT_EQ(TableEntrySign("12 Leo 05"), "Leo");
  EXPECT_EQ(TableEntrySign("12"), "");
}

}  // namespace
}  // namespace quendal
