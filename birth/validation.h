// The rules a birth entry must pass before a chart is computed, and the keystroke filters of
// the form's text fields. The form, the reading-file reader and quendal-chart all use these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "chart/message_icon.h"

namespace quendal {

inline constexpr std::string_view kOnlyLettersMessage = "Please enter only letters";
inline constexpr std::string_view kOnlyNumbersMessage = "Please enter only numbers";

// Letters filter (name and place fields): A-Z, a-z, blank, backspace, delete, the hyphen,
// the apostrophe, the full stop and the accented letters of Windows-1252.
bool PassesLettersFilter(char32_t code);
// Digits filter (coordinate fields): 0-9, backspace, delete.
bool PassesDigitsFilter(char32_t code);

// What the form does after a failed check.
enum class FormField {
  None,  // focus unchanged
  txtName,
  txtLatD,
  txtLatM,
  txtLonD,
  txtLonM,
  txtCity,
  txtState,
  txtCountry,
  SelectNorth,  // "North" of optLatSouth gets selected
  SelectEast,   // "East" of optLongEast gets selected
};

// The form's fields as the checks see them: texts as typed, list positions.
struct FormEntry {
  std::string txtName;
  std::string txtLatD;
  std::string txtLatM;
  std::string txtLonD;
  std::string txtLonM;
  std::string txtCity;
  std::string txtState;
  std::string txtCountry;
  bool LatitudeDirectionChosen = true;   // North or South selected
  bool LongitudeDirectionChosen = true;  // East or West selected
  int MonthPosition = 0;                 // 0 = January
  int DayPosition = 0;                   // 0 = the 1st
  std::string YearText = "1901";
};

struct ValidationProblem {
  int check = 0;  // 1 to 16, in the order they run
  std::string message;
  MessageIcon icon = MessageIcon::Stop;
  FormField focus = FormField::None;
};

// The checks in order; the first that fails is returned, nullopt when all pass.
std::optional<ValidationProblem> ValidateInput(const FormEntry& entry);

// The value of a coordinate text: digits with blanks around them. nullopt for anything else
// (empty, a sign, a decimal point, letters); values too large for an int saturate.
std::optional<int> CoordinateValue(std::string_view text);

// The form's date rules on calendar values (month 1-12, day 1-31): 11 for an impossible day
// in February, 12 for the 31st of a 30-day month, 0 when the date passes. Leap years are
// those divisible by 4, which within 1901-2050 agrees with the Gregorian calendar.
int FailingDateCheck(int month, int day, int year);

// The coordinate ranges the form enforces after its twelve checks.
bool LatitudeDegreesInRange(int degrees, int minutes);   // 0-90, and 90 only with 0 minutes
bool LongitudeDegreesInRange(int degrees, int minutes);  // 0-180, and 180 only with 0
bool CoordinateMinutesInRange(int minutes);              // 0-59

// A birth given as values (command line, batch, reading file) rather than through the form's
// lists: the same ranges the lists and the checks impose.
struct BirthValueProblem {
  std::string field;   // the BirthData field, or "ZoneRow"
  std::string value;   // the offending value as text
  std::string reason;  // e.g. "is outside 1901 to 2050"
};
std::optional<BirthValueProblem> CheckBirthValues(const BirthData& birth, int zone_row);

}  // namespace quendal
