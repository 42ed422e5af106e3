#include "cli/birth_input.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "birth/chart_calculation.h"
#include "birth/validation.h"

namespace quendal::cli {
namespace {

InputError Error(std::string_view field, std::string_view value, std::string reason) {
  return {std::string(field), std::string(value), std::move(reason)};
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int DigitsValue(std::string_view text) {
  int value = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
    return 1 << 30;  // far outside every range: the range check names it
  return value;
}

// "DD:MM" followed by one of two hemisphere letters.
std::optional<InputError> ParseCoordinate(std::string_view field, std::string_view text,
                                          char positive, char negative, int& degrees, int& minutes,
                                          bool& is_negative_side, const char* form) {
  const std::string_view t = TrimBlanks(text);
  const auto bad = [&] { return Error(field, text, std::string("is not of the form ") + form); };
  if (t.size() < 2) return bad();
  const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(t.back())));
  if (side != positive && side != negative) return bad();
  const auto parts = Split(TrimBlanks(t.substr(0, t.size() - 1)), ':');
  if (parts.size() != 2 || !AllDigits(parts[0]) || !AllDigits(parts[1])) return bad();
  degrees = DigitsValue(parts[0]);
  minutes = DigitsValue(parts[1]);
  is_negative_side = side == negative;
  return std::nullopt;
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<bool> ParseFlag(std::string_view text) {
  std::string lower;
  for (char c : TrimBlanks(text))
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "true" || lower == "1" || lower == "yes") return true;
  if (lower == "false" || lower == "0" || lower == "no") return false;
  return std::nullopt;
}

std::optional<InputError> ParseDate(std::string_view field, std::string_view text,
                                    BirthData& birth) {
  const auto parts = Split(TrimBlanks(text), '-');
  if (parts.size() != 3 || parts[0].size() != 4 || !AllDigits(parts[0]) || parts[1].size() > 2 ||
      !AllDigits(parts[1]) || parts[2].size() > 2 || !AllDigits(parts[2]))
    return Error(field, text, "is not a date of the form YYYY-MM-DD");
  birth.BirthYear = DigitsValue(parts[0]);
  birth.BirthMonth = DigitsValue(parts[1]);
  birth.BirthDay = DigitsValue(parts[2]);
  return std::nullopt;
}

std::optional<InputError> ParseTime(std::string_view field, std::string_view text,
                                    BirthData& birth) {
  const auto parts = Split(TrimBlanks(text), ':');
  if (parts.size() != 2 || parts[0].size() > 2 || !AllDigits(parts[0]) || parts[1].size() > 2 ||
      !AllDigits(parts[1]))
    return Error(field, text, "is not a time of the form HH:MM");
  birth.BirthHour = DigitsValue(parts[0]);
  birth.BirthMinute = DigitsValue(parts[1]);
  return std::nullopt;
}

std::optional<InputError> ParseLatitude(std::string_view field, std::string_view text,
                                        BirthData& birth) {
  return ParseCoordinate(field, text, 'N', 'S', birth.LatitudeDegrees, birth.LatitudeMinutes,
                         birth.LatitudeIsSouth, "DD:MM followed by N or S");
}

std::optional<InputError> ParseLongitude(std::string_view field, std::string_view text,
                                         BirthData& birth) {
  bool west = false;
  auto error = ParseCoordinate(field, text, 'E', 'W', birth.LongitudeDegrees,
                               birth.LongitudeMinutes, west, "DDD:MM followed by E or W");
  birth.LongitudeIsEast = !west;
  return error;
}

BirthParse FinishBirth(BirthRequest request, std::string (*FieldOf)(std::string_view field)) {
  BirthParse result;
  if (auto problem = CheckBirthValues(request.birth, request.zone_row)) {
    result.error = {FieldOf(problem->field), problem->value, problem->reason};
    return result;
  }
  BirthData& birth = request.birth;
  for (std::string* text :
       {&birth.PersonName, &birth.BirthCity, &birth.BirthState, &birth.BirthCountry})
    *text = std::string(TrimBlanks(*text));
  birth = StoreZoneRow(birth, request.zone_row);
  result.request = std::move(request);
  return result;
}

}  // namespace quendal::cli
