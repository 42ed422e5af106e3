// A reading file read without windows gives back the birth it was written from.
#include "birth/form_values.h"

#include <gtest/gtest.h>

#include "birth/chart_calculation.h"
#include "tests/golden_charts.h"

namespace quendal {
namespace {

TEST(FormValues, EveryGoldenBirthSurvivesAReadingFileThroughTheFormsRules) {
  int births = 0;
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    const int zone_row = golden.zone_row;
    const BirthData birth = StoreZoneRow(golden.birth, zone_row);

    const auto fill = InterpretReading(DecodeReading(EncodeReading(birth, zone_row)));
    ASSERT_TRUE(fill.has_value()) << birth.PersonName;
    FormValues form = InitialFormValues();
    ApplyReading(form, *fill);
    ASSERT_FALSE(ValidateInput(EntryOf(form)).has_value()) << birth.PersonName;
    EXPECT_EQ(StoreZoneRow(BirthDataFromValues(form, BirthData{}), form.ZoneRow), birth)
        << birth.PersonName;
    ++births;
  }
  EXPECT_EQ(births, 200);
}

TEST(FormValues, MissingLinesKeepTheListsAndTheCheckNamesTheFirstEmptyField) {
  std::array<std::string, kReadingLineCount> lines{};
  lines[0] = "Asha";
  lines[3] = "1984";
  FormValues form = InitialFormValues();
  form.MinuteText = "15";
  form.ZoneRow = 9;
  ApplyReading(form, *InterpretReading(lines));
  EXPECT_EQ(form.YearText, "1984");
  EXPECT_EQ(form.MinuteText, "15");
  EXPECT_EQ(form.ZoneRow, 9);
  EXPECT_EQ(form.DayText, "1");
  EXPECT_FALSE(form.LongitudeIsEast);  // an empty flag line reads as false: "West"
  const auto problem = ValidateInput(EntryOf(form));
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->message, "Please Enter Degree of Latitude");

  // The driver keeps a coordinate it cannot read, and trims names and places.
  form.txtLatD = "x";
  form.txtCity = "  Pune ";
  BirthData previous;
  previous.LatitudeDegrees = 18;
  const BirthData stored = BirthDataFromValues(form, previous);
  EXPECT_EQ(stored.LatitudeDegrees, 18);
  EXPECT_EQ(stored.BirthCity, "Pune");
  EXPECT_EQ(stored.BirthYear, 1984);
  EXPECT_EQ(stored.BirthMinute, 15);
}

}  // namespace
}  // namespace quendal
