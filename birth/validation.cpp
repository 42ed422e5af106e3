#include "birth/validation.h"

#include <charconv>
#include <climits>

#include "chart/translatable.h"
#include "positions/text_blanks.h"
#include "positions/time_zones.h"

namespace quendal {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDelete = 127;

// A field of blanks alone would store an empty value, and a reading file saved from it could
// never be opened again, so it counts as empty.
bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

int YearValue(std::string_view text) {
  text = TrimBlanks(text);
  int year = 0;
  std::from_chars(text.data(), text.data() + text.size(), year);
  return year;
}

ValidationProblem Stop(int check, std::string_view message, FormField focus) {
  return {check, std::string(message), MessageIcon::Stop, focus};
}

ValidationProblem Information(int check, std::string_view message) {
  return {check, std::string(message), MessageIcon::Information, FormField::None};
}

std::optional<BirthValueProblem> OutsideRange(std::string_view field, int value, int low,
                                              int high) {
  if (value >= low && value <= high) return std::nullopt;
  return BirthValueProblem{std::string(field), std::to_string(value),
                           "is outside " + std::to_string(low) + " to " + std::to_string(high)};
}

BirthValueProblem DegreesProblem(std::string_view field, int degrees, int minutes, int limit) {
  if (degrees == limit) {
    return {std::string(field), std::to_string(degrees),
            "with " + std::to_string(minutes) + " minutes lies beyond " + std::to_string(limit)};
  }
  return {std::string(field), std::to_string(degrees), "is outside 0 to " + std::to_string(limit)};
}

}  // namespace

bool PassesLettersFilter(char32_t code) {
  if ((code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == U' ' ||
      code == kBackspace || code == kDelete)
    return true;
  // Names as people write them: Jean-Luc, O'Brien, St. Louis, and the accented letters the
  // reading file can keep (Windows-1252).
  if (code == U'-' || code == U'\'' || code == U'\u2019' || code == U'.') return true;
  if (code >= 0xC0 && code <= 0xFF) return code != 0xD7 && code != 0xF7;  // not × and ÷
  for (char32_t letter : {U'Š', U'š', U'Œ', U'œ', U'Ž', U'ž', U'Ÿ'})
    if (code == letter) return true;
  return false;
}

bool PassesDigitsFilter(char32_t code) {
  return (code >= U'0' && code <= U'9') || code == kBackspace || code == kDelete;
}

std::optional<int> CoordinateValue(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return INT_MAX;
  return value;
}

int FailingDateCheck(int month, int day, int year) {
  const bool leap = year % 4 == 0;
  if (month == 2 && day >= (leap ? 30 : 29)) return 11;
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) return 12;
  return 0;
}

bool LatitudeDegreesInRange(int degrees, int minutes) {
  return degrees >= 0 && (degrees < 90 || (degrees == 90 && minutes <= 0));
}

bool LongitudeDegreesInRange(int degrees, int minutes) {
  return degrees >= 0 && (degrees < 180 || (degrees == 180 && minutes <= 0));
}

bool CoordinateMinutesInRange(int minutes) { return minutes >= 0 && minutes <= 59; }

std::optional<ValidationProblem> ValidateInput(const FormEntry& entry) {
  if (IsBlank(entry.txtName))
    return Stop(1, QUENDAL_TRANSLATABLE("Messages", "Please Enter Your Name"), FormField::txtName);
  if (entry.txtLatD.empty())
    return Stop(2, QUENDAL_TRANSLATABLE("Messages", "Please Enter Degree of Latitude"),
                FormField::txtLatD);
  if (entry.txtLatM.empty())
    return Stop(3, QUENDAL_TRANSLATABLE("Messages", "Please Enter Minutes of Latitude"),
                FormField::txtLatM);
  if (entry.txtLonD.empty())
    return Stop(4, QUENDAL_TRANSLATABLE("Messages", "Please Enter Degree of Longitude"),
                FormField::txtLonD);
  if (entry.txtLonM.empty())
    return Stop(5, QUENDAL_TRANSLATABLE("Messages", "Please Enter Minute of Longitude"),
                FormField::txtLonM);
  if (IsBlank(entry.txtCity))
    return Stop(6, QUENDAL_TRANSLATABLE("Messages", "Please Enter Your City name"),
                FormField::txtCity);
  if (IsBlank(entry.txtState))
    return Stop(7, QUENDAL_TRANSLATABLE("Messages", "Please Enter Your State name"),
                FormField::txtState);
  if (IsBlank(entry.txtCountry))
    return Stop(8, QUENDAL_TRANSLATABLE("Messages", "Please Enter Your Country name"),
                FormField::txtCountry);
  if (!entry.LatitudeDirectionChosen)
    return Stop(9, QUENDAL_TRANSLATABLE("Messages", "Please Select Direction For The Latitude"),
                FormField::SelectNorth);
  if (!entry.LongitudeDirectionChosen)
    return Stop(10, QUENDAL_TRANSLATABLE("Messages", "Please Select Direction For The Longitude"),
                FormField::SelectEast);

  const int date_check =
      FailingDateCheck(entry.MonthPosition + 1, entry.DayPosition + 1, YearValue(entry.YearText));
  if (date_check == 11)
    return Information(11, QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Date Or Month!"));
  if (date_check == 12)
    return Information(12,
                       QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Date Or Month !"));

  // A text that is not a number (pasted past the filter, or from a file) is refused by the
  // range check of its own field rather than computed from a stale value.
  const auto lat_d = CoordinateValue(entry.txtLatD);
  const auto lat_m = CoordinateValue(entry.txtLatM);
  const auto lon_d = CoordinateValue(entry.txtLonD);
  const auto lon_m = CoordinateValue(entry.txtLonM);
  if (!lat_d || !LatitudeDegreesInRange(*lat_d, lat_m.value_or(0)))
    return Stop(13, QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Degree of Latitude"),
                FormField::txtLatD);
  if (!lon_d || !LongitudeDegreesInRange(*lon_d, lon_m.value_or(0)))
    return Stop(14, QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Degree of Longitude"),
                FormField::txtLonD);
  if (!lat_m || !CoordinateMinutesInRange(*lat_m))
    return Stop(15, QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Minutes of Latitude"),
                FormField::txtLatM);
  if (!lon_m || !CoordinateMinutesInRange(*lon_m))
    return Stop(16, QUENDAL_TRANSLATABLE("Messages", "Please Enter Correct Minute of Longitude"),
                FormField::txtLonM);
  return std::nullopt;
}

std::optional<BirthValueProblem> CheckBirthValues(const BirthData& birth, int zone_row) {
  if (auto problem = OutsideRange("ZoneRow", zone_row, 0, kTimeZoneRowCount - 1)) return problem;
  if (auto problem = OutsideRange("BirthYear", birth.BirthYear, 1901, 2050)) return problem;
  if (auto problem = OutsideRange("BirthMonth", birth.BirthMonth, 1, 12)) return problem;
  if (auto problem = OutsideRange("BirthDay", birth.BirthDay, 1, 31)) return problem;
  if (FailingDateCheck(birth.BirthMonth, birth.BirthDay, birth.BirthYear) != 0) {
    return BirthValueProblem{"BirthDay", std::to_string(birth.BirthDay),
                             "does not exist in month " + std::to_string(birth.BirthMonth) +
                                 " of " + std::to_string(birth.BirthYear)};
  }
  if (auto problem = OutsideRange("BirthHour", birth.BirthHour, 0, 23)) return problem;
  if (auto problem = OutsideRange("BirthMinute", birth.BirthMinute, 0, 59)) return problem;
  if (!LatitudeDegreesInRange(birth.LatitudeDegrees, birth.LatitudeMinutes)) {
    return DegreesProblem("LatitudeDegrees", birth.LatitudeDegrees, birth.LatitudeMinutes, 90);
  }
  if (!LongitudeDegreesInRange(birth.LongitudeDegrees, birth.LongitudeMinutes)) {
    return DegreesProblem("LongitudeDegrees", birth.LongitudeDegrees, birth.LongitudeMinutes, 180);
  }
  if (auto problem = OutsideRange("LatitudeMinutes", birth.LatitudeMinutes, 0, 59)) return problem;
  if (auto problem = OutsideRange("LongitudeMinutes", birth.LongitudeMinutes, 0, 59))
    return problem;
  return std::nullopt;
}

}  // namespace quendal
