// Turning texts given outside the form (options, CSV fields) into a checked birth. Every
// reader of quendal-chart ends in FinishBirth, so the form's range rules apply to all of them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "positions/text_blanks.h"
#include "chart/chart_options.h"

namespace quendal::cli {

struct BirthRequest {
  BirthData birth;  // zone fields filled from zone_row by FinishBirth
  int zone_row = 0;
  ChartOptions options;  // --zodiac and --positions, or a record's Zodiac and Positions
};

// What was wrong: the field (an option or a column), the value as given, and why.
struct InputError {
  std::string field;
  std::string value;
  std::string reason;
};

// Either a request or the first error found.
struct BirthParse {
  std::optional<BirthRequest> request;
  InputError error;
};

// Whole numbers with an optional sign; nullopt for anything else, including overflow.
std::optional<int> ParseInteger(std::string_view text);
// true/false, 1/0, yes/no (any case).
std::optional<bool> ParseFlag(std::string_view text);

// Strict readers of the option forms; each returns an error naming `field` and the text.
std::optional<InputError> ParseDate(std::string_view field, std::string_view text,
                                    BirthData& birth);  // YYYY-MM-DD
std::optional<InputError> ParseTime(std::string_view field, std::string_view text,
                                    BirthData& birth);  // HH:MM
std::optional<InputError> ParseLatitude(std::string_view field, std::string_view text,
                                        BirthData& birth);  // DD:MM followed by N or S
std::optional<InputError> ParseLongitude(std::string_view field, std::string_view text,
                                         BirthData& birth);  // DDD:MM followed by E or W

// Applies the core's range rules, trims the name and place texts and stores the zone row.
// `FieldOf` names a BirthData field the way the user gave it, e.g. "BirthYear (--date)".
BirthParse FinishBirth(BirthRequest request, std::string (*FieldOf)(std::string_view field));

}  // namespace quendal::cli
