// The birth-data form's contents as plain values: what the form holds after loading, what a
// reading file puts into it, what the checks see and what the driver stores. quendal-chart
// fills a reading through these without any window, so both reach the same chart.
#pragma once

#include <string>

#include "chart/birth_data.h"
#include "birth/reading_file.h"
#include "birth/validation.h"

namespace quendal {

struct FormValues {
  std::string txtName;
  int MonthPosition = 0;  // 0 = January
  std::string DayText = "1";
  std::string YearText = "1901";
  std::string HourText = "0";
  std::string MinuteText = "0";
  int ZoneRow = 0;
  bool DaylightSaving = false;
  std::string txtLatD;
  std::string txtLatM;
  std::string txtLonD;
  std::string txtLonM;
  bool LatitudeIsSouth = false;  // optLatSouth index 1
  bool LongitudeIsEast = true;   // optLongEast index 0
  std::string txtCity;
  std::string txtState;
  std::string txtCountry;

  bool operator==(const FormValues&) const = default;
};

// The form as loading leaves it: every list at its first item, every text empty.
FormValues InitialFormValues();

// What opening a reading does to the form; lists without a value keep their selection.
void ApplyReading(FormValues& form, const ReadingFormFill& fill);

// The entry ValidateInput judges.
FormEntry EntryOf(const FormValues& form);

// The driver's storing step without the zone row: names and places trimmed of blanks, a
// coordinate that is no number keeps its value from previous.
BirthData BirthDataFromValues(const FormValues& form, const BirthData& previous);

}  // namespace quendal
