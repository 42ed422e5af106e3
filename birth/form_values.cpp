#include "birth/form_values.h"

#include <charconv>

#include "positions/text_blanks.h"

namespace quendal {
namespace {

// The list items are plain decimal texts, so their value is never in doubt.
int ItemValue(const std::string& text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

FormValues InitialFormValues() { return FormValues{}; }

void ApplyReading(FormValues& form, const ReadingFormFill& fill) {
  form.txtName = fill.txtName;
  if (fill.MonthPosition) form.MonthPosition = *fill.MonthPosition;
  if (fill.DayText) form.DayText = *fill.DayText;
  if (fill.YearText) form.YearText = *fill.YearText;
  if (fill.HourText) form.HourText = *fill.HourText;
  if (fill.MinuteText) form.MinuteText = *fill.MinuteText;
  if (fill.ZoneRow) form.ZoneRow = *fill.ZoneRow;
  form.txtLonD = fill.txtLonD;
  form.txtLonM = fill.txtLonM;
  form.txtLatD = fill.txtLatD;
  form.txtLatM = fill.txtLatM;
  form.LongitudeIsEast = fill.LongitudeIsEast;
  form.LatitudeIsSouth = fill.LatitudeIsSouth;
  form.DaylightSaving = fill.DaylightSaving;
  form.txtCity = fill.txtCity;
  form.txtState = fill.txtState;
  form.txtCountry = fill.txtCountry;
}

FormEntry EntryOf(const FormValues& form) {
  FormEntry entry;
  entry.txtName = form.txtName;
  entry.txtLatD = form.txtLatD;
  entry.txtLatM = form.txtLatM;
  entry.txtLonD = form.txtLonD;
  entry.txtLonM = form.txtLonM;
  entry.txtCity = form.txtCity;
  entry.txtState = form.txtState;
  entry.txtCountry = form.txtCountry;
  entry.MonthPosition = form.MonthPosition;
  entry.DayPosition = ItemValue(form.DayText) - 1;
  entry.YearText = form.YearText;
  return entry;
}

BirthData BirthDataFromValues(const FormValues& form, const BirthData& previous) {
  BirthData birth = previous;
  birth.PersonName = std::string(TrimBlanks(form.txtName));
  birth.BirthMonth = form.MonthPosition + 1;
  birth.BirthDay = ItemValue(form.DayText);
  birth.BirthYear = ItemValue(form.YearText);
  birth.BirthHour = ItemValue(form.HourText);
  birth.BirthMinute = ItemValue(form.MinuteText);
  birth.LongitudeDegrees = CoordinateValue(form.txtLonD).value_or(previous.LongitudeDegrees);
  birth.LongitudeMinutes = CoordinateValue(form.txtLonM).value_or(previous.LongitudeMinutes);
  birth.LatitudeDegrees = CoordinateValue(form.txtLatD).value_or(previous.LatitudeDegrees);
  birth.LatitudeMinutes = CoordinateValue(form.txtLatM).value_or(previous.LatitudeMinutes);
  birth.LongitudeIsEast = form.LongitudeIsEast;
  birth.LatitudeIsSouth = form.LatitudeIsSouth;
  birth.DaylightSaving = form.DaylightSaving;
  birth.BirthCity = std::string(TrimBlanks(form.txtCity));
  birth.BirthState = std::string(TrimBlanks(form.txtState));
  birth.BirthCountry = std::string(TrimBlanks(form.txtCountry));
  return birth;
}

}  // namespace quendal
