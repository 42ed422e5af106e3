#include "birth/validation.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

FormEntry CompleteEntry() {
  FormEntry entry;
  entry.txtName = "Asha Rao";
  entry.txtLatD = "18";
  entry.txtLatM = "31";
  entry.txtLonD = "73";
  entry.txtLonM = "52";
  entry.txtCity = "Pune";
  entry.txtState = "Maharashtra";
  entry.txtCountry = "India";
  entry.YearText = "1984";
  return entry;
}

int FailingCheck(const FormEntry& entry) {
  const auto problem = ValidateInput(entry);
  return problem ? problem->check : 0;
}

TEST(KeystrokeFilters, LettersAndDigitsPassTheirFieldsOnly) {
  for (char32_t c : {U'A', U'Z', U'a', U'z', U' ', char32_t{8}, char32_t{127}, U'-', U'.', U'\'',
                     U'\u2019', U'À', U'é', U'ß', U'ÿ', U'Š', U'œ', U'Ÿ'})
    EXPECT_TRUE(PassesLettersFilter(c)) << int(c);
  for (char32_t c : {U'0', U'\r', U'@', U'[', U'`', U'{', U',', U'×', U'÷', U'ª', U'€', U'Ł'})
    EXPECT_FALSE(PassesLettersFilter(c)) << int(c);
  for (char32_t c : {U'0', U'9', char32_t{8}, char32_t{127}}) EXPECT_TRUE(PassesDigitsFilter(c));
  for (char32_t c : {U'-', U'.', U' ', U'/', U':', U'a', U'٣'}) EXPECT_FALSE(PassesDigitsFilter(c));
}

// Each field emptied in turn, in the form's order: the first empty field wins, so emptying a
// later field as well never changes the message.
TEST(ValidateInput, EmptyFieldsAreReportedInOrderWithTheirMessageAndFocus) {
  struct Case {
    std::string FormEntry::*field;
    int check;
    const char* message;
    FormField focus;
  };
  const Case cases[] = {
      {&FormEntry::txtName, 1, "Please Enter Your Name", FormField::txtName},
      {&FormEntry::txtLatD, 2, "Please Enter Degree of Latitude", FormField::txtLatD},
      {&FormEntry::txtLatM, 3, "Please Enter Minutes of Latitude", FormField::txtLatM},
      {&FormEntry::txtLonD, 4, "Please Enter Degree of Longitude", FormField::txtLonD},
      {&FormEntry::txtLonM, 5, "Please Enter Minute of Longitude", FormField::txtLonM},
      {&FormEntry::txtCity, 6, "Please Enter Your City name", FormField::txtCity},
      {&FormEntry::txtState, 7, "Please Enter Your State name", FormField::txtState},
      {&FormEntry::txtCountry, 8, "Please Enter Your Country name", FormField::txtCountry},
  };
  FormEntry all_empty = CompleteEntry();
  for (const Case& c : cases) all_empty.*(c.field) = "";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    FormEntry entry = CompleteEntry();
    entry.*(cases[i].field) = "";
    auto problem = ValidateInput(entry);
    ASSERT_TRUE(problem) << cases[i].message;
    EXPECT_EQ(problem->check, cases[i].check);
    EXPECT_EQ(problem->message, cases[i].message);
    EXPECT_EQ(problem->icon, MessageIcon::Stop);
    EXPECT_EQ(problem->focus, cases[i].focus);

    auto first_remaining = ValidateInput(all_empty);
    EXPECT_EQ(first_remaining->check, cases[i].check);
    all_empty.*(cases[i].field) = CompleteEntry().*(cases[i].field);
  }
  EXPECT_EQ(FailingCheck(all_empty), 0);
}

TEST(ValidateInput, BlankNamesAndPlacesCountAsEmpty) {
  FormEntry entry = CompleteEntry();
  entry.txtName = "   ";
  EXPECT_EQ(FailingCheck(entry), 1);
  entry = CompleteEntry();
  entry.txtCountry = " ";
  EXPECT_EQ(FailingCheck(entry), 8);
  entry = CompleteEntry();
  entry.txtCity = " Pune ";
  EXPECT_EQ(FailingCheck(entry), 0);
}

TEST(ValidateInput, MissingDirectionsSelectTheFirstOption) {
  FormEntry entry = CompleteEntry();
  entry.LatitudeDirectionChosen = false;
  entry.LongitudeDirectionChosen = false;
  auto problem = ValidateInput(entry);
  EXPECT_EQ(problem->message, "Please Select Direction For The Latitude");
  EXPECT_EQ(problem->focus, FormField::SelectNorth);
  entry.LatitudeDirectionChosen = true;
  problem = ValidateInput(entry);
  EXPECT_EQ(problem->message, "Please Select Direction For The Longitude");
  EXPECT_EQ(problem->focus, FormField::SelectEast);
}

TEST(ValidateInput, DateRulesUseListPositionsAndTheFourYearLeapRule) {
  struct Case {
    int month_position, day_position;
    const char* year;
    int check;
  };
  const Case cases[] = {
      {1, 28, "2000", 0},  {1, 28, "2048", 0},  {1, 28, "1901", 11},  {1, 28, "2049", 11},
      {1, 29, "2000", 11}, {1, 30, "2000", 11}, {1, 27, "1901", 0},   {3, 30, "1990", 12},
      {5, 30, "1990", 12}, {8, 30, "1990", 12}, {10, 30, "1990", 12}, {4, 30, "1990", 0},
      {11, 30, "1990", 0}, {3, 29, "1990", 0},
  };
  for (const Case& c : cases) {
    FormEntry entry = CompleteEntry();
    entry.MonthPosition = c.month_position;
    entry.DayPosition = c.day_position;
    entry.YearText = c.year;
    auto problem = ValidateInput(entry);
    EXPECT_EQ(problem ? problem->check : 0, c.check)
        << c.month_position << "/" << c.day_position << "/" << c.year;
    if (problem) {
      EXPECT_EQ(problem->icon, MessageIcon::Information);
      EXPECT_EQ(problem->focus, FormField::None);
      EXPECT_EQ(problem->message, c.check == 11 ? "Please Enter Correct Date Or Month!"
                                                : "Please Enter Correct Date Or Month !");
    }
  }
}

TEST(ValidateInput, CoordinatesOutOfRangeOrNotNumbersAreRefusedAfterTheDateChecks) {
  struct Case {
    const char *lat_d, *lat_m, *lon_d, *lon_m;
    int check;
  };
  const Case cases[] = {
      {"90", "0", "180", "0", 0},   {"0", "0", "0", "0", 0},
      {"91", "0", "10", "0", 13},   {"90", "1", "10", "0", 13},
      {"89", "59", "181", "0", 14}, {"10", "0", "180", "1", 14},
      {"10", "60", "10", "0", 15},  {"10", "0", "10", "999", 16},
      {"1a", "0", "10", "0", 13},   {"10", "-5", "10", "0", 15},
      {" ", "0", "10", "0", 13},    {"10", "0", "10", "5.", 16},
      {" 12 ", "0", "10", "0", 0},  {"99999999999", "0", "1", "0", 13},
  };
  for (const Case& c : cases) {
    FormEntry entry = CompleteEntry();
    entry.txtLatD = c.lat_d;
    entry.txtLatM = c.lat_m;
    entry.txtLonD = c.lon_d;
    entry.txtLonM = c.lon_m;
    auto problem = ValidateInput(entry);
    EXPECT_EQ(problem ? problem->check : 0, c.check)
        << c.lat_d << " " << c.lat_m << " " << c.lon_d << " " << c.lon_m;
  }
  FormEntry entry = CompleteEntry();
  entry.txtLatM = "75";
  entry.MonthPosition = 3;
  entry.DayPosition = 30;
  EXPECT_EQ(FailingCheck(entry), 12);
  entry.MonthPosition = 0;
  auto problem = ValidateInput(entry);
  EXPECT_EQ(problem->message, "Please Enter Correct Minutes of Latitude");
  EXPECT_EQ(problem->icon, MessageIcon::Stop);
  EXPECT_EQ(problem->focus, FormField::txtLatM);
}

TEST(CheckBirthValues, NamesTheFirstFieldOutOfRange) {
  BirthData birth;
  birth.BirthYear = 1984;
  birth.LatitudeDegrees = 18;
  EXPECT_FALSE(CheckBirthValues(birth, 34));

  struct Case {
    void (*change)(BirthData&);
    int zone_row;
    const char *field, *value;
  };
  const Case cases[] = {
      {[](BirthData&) {}, 71, "ZoneRow", "71"},
      {[](BirthData&) {}, -1, "ZoneRow", "-1"},
      {[](BirthData& b) { b.BirthYear = 1900; }, 0, "BirthYear", "1900"},
      {[](BirthData& b) { b.BirthYear = 2051; }, 0, "BirthYear", "2051"},
      {[](BirthData& b) { b.BirthMonth = 13; }, 0, "BirthMonth", "13"},
      {[](BirthData& b) { b.BirthDay = 0; }, 0, "BirthDay", "0"},
      {[](BirthData& b) { b.BirthMonth = 2, b.BirthDay = 29, b.BirthYear = 1983; }, 0, "BirthDay",
       "29"},
      {[](BirthData& b) { b.BirthMonth = 9, b.BirthDay = 31; }, 0, "BirthDay", "31"},
      {[](BirthData& b) { b.BirthHour = 24; }, 0, "BirthHour", "24"},
      {[](BirthData& b) { b.BirthMinute = 60; }, 0, "BirthMinute", "60"},
      {[](BirthData& b) { b.LatitudeDegrees = 90, b.LatitudeMinutes = 1; }, 0, "LatitudeDegrees",
       "90"},
      {[](BirthData& b) { b.LongitudeDegrees = 181; }, 0, "LongitudeDegrees", "181"},
      {[](BirthData& b) { b.LatitudeMinutes = 60; }, 0, "LatitudeMinutes", "60"},
      {[](BirthData& b) { b.LongitudeMinutes = -1; }, 0, "LongitudeMinutes", "-1"},
  };
  for (const Case& c : cases) {
    BirthData changed = birth;
    c.change(changed);
    auto problem = CheckBirthValues(changed, c.zone_row);
    ASSERT_TRUE(problem) << c.field;
    EXPECT_EQ(problem->field, c.field);
    EXPECT_EQ(problem->value, c.value);
    EXPECT_FALSE(problem->reason.empty());
  }
}

}  // namespace
}  // namespace quendal
