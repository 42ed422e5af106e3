#include "cli/reading_input.h"

#include "birth/chart_calculation.h"
#include "birth/form_values.h"
#include "birth/reading_file.h"
#include "birth/validation.h"

namespace quendal::cli {

BirthParse BirthFromReading(const std::string& path) {
  const auto fail = [&path](std::string_view message) {
    return BirthParse{std::nullopt, {"--reading", path, "refused: " + std::string(message)}};
  };
  if (!HasReadingExtension(path)) return fail(kCheckFileMessage);
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return fail(kCheckFileMessage);
  const auto fill = InterpretReading(DecodeReading(*bytes));
  if (!fill) return fail(kCheckFileMessage);

  FormValues form = InitialFormValues();
  ApplyReading(form, *fill);
  if (const auto problem = ValidateInput(EntryOf(form))) return fail(problem->message);

  BirthRequest request;
  request.zone_row = form.ZoneRow;
  request.birth = StoreZoneRow(BirthDataFromValues(form, BirthData{}), form.ZoneRow);
  return {std::move(request), {}};
}

}  // namespace quendal::cli
