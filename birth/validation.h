// The rules a birth entry must pass before a chart is computed, and the keystroke filters of
// the form's text fields. The form, the reading-file reader and quendal-chart all use these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendal {

inline constexpr std::string_view kOnlyLettersMessage = "Please enter only letters";
inline constexpr std::string_view kOnlyNumbersMessage = "Please enter only numbers";

// Letters filter (name and place fields): A-Z, a-z, blank, backspace, delete.
bool PassesLettersFilter(char32_t code);
// Digits filter (coordinate fields): 0-9, backspace, delete.
bool PassesDigitsFilter(char32_t code);

enum class MessageIcon { Stop, Information, Critical };

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

}  // namespace quendal
