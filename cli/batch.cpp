#include "cli/batch.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "birth/chart_calculation.h"
#include "cli/birth_input.h"
#include "cli/chart_choice.h"
#include "cli/chart_output.h"
#include "cli/csv_reader.h"
#include "cli/export_output.h"
#include "cli/place_input.h"
#include "cli/quoted_value.h"

namespace quendal::cli {
namespace {

enum Column {
  kBirthYear,
  kBirthMonth,
  kBirthDay,
  kBirthHour,
  kBirthMinute,
  kZoneRow,
  kDaylightSaving,
  kLatitudeDegrees,
  kLatitudeMinutes,
  kLatitudeIsSouth,
  kLongitudeDegrees,
  kLongitudeMinutes,
  kLongitudeIsEast,
  kPersonName,
  kBirthCity,
  kBirthState,
  kBirthCountry,
  kZodiac,
  kPositions,
  kPlace,
  kAyanamsha,
  kColumnCount
};
constexpr int kRequiredColumns = kPersonName;  // the texts are optional

constexpr std::array<const char*, kColumnCount> kColumnNames = {
    // clang-format off
    "BirthYear",        "BirthMonth",       "BirthDay",        "BirthHour",       "BirthMinute",
    "ZoneRow",          "DaylightSaving",   "LatitudeDegrees", "LatitudeMinutes", "LatitudeIsSouth",
    "LongitudeDegrees", "LongitudeMinutes", "LongitudeIsEast", "PersonName",      "BirthCity",
    "BirthState",       "BirthCountry",     "Zodiac",          "Positions",
    "Place",            "Ayanamsha"};
// clang-format on

// The columns a Place column may stand for.
bool GivenByPlace(int column) { return column >= kZoneRow && column <= kLongitudeIsEast; }

std::string SameName(std::string_view field) { return std::string(field); }

void Report(std::ostream& err, long line, const InputError& error) {
  err << "quendal-chart: line " << line << ": " << error.field << " " << QuotedValue(error.value)
      << " " << error.reason << "\n";
}

// Column positions from the header; false (after reporting) when a column is unknown,
// repeated or missing.
bool MapColumns(const std::vector<std::string>& header, std::array<int, kColumnCount>& position,
                std::ostream& err) {
  position.fill(-1);
  bool ok = true;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string_view name = TrimBlanks(header[i]);
    int column = 0;
    while (column < kColumnCount && name != kColumnNames[column]) ++column;
    if (column == kColumnCount) {
      Report(err, 1,
             {"column " + std::to_string(i + 1), std::string(name), "is not a known column"});
      ok = false;
    } else if (position[column] >= 0) {
      Report(err, 1, {"column " + std::to_string(i + 1), std::string(name), "appears twice"});
      ok = false;
    } else {
      position[column] = static_cast<int>(i);
    }
  }
  for (int column = 0; column < kRequiredColumns; ++column) {
    if (position[column] < 0 && !(position[kPlace] >= 0 && GivenByPlace(column))) {
      Report(err, 1, {"header", kColumnNames[column], "is a required column that is missing"});
      ok = false;
    }
  }
  return ok;
}

class RecordParser {
 public:
  RecordParser(const std::vector<std::string>& fields, const std::array<int, kColumnCount>& at)
      : fields_(fields), at_(at) {}

  std::optional<InputError> error;

  int Integer(Column column) {
    const std::string& text = Field(column);
    if (error) return 0;
    auto value = ParseInteger(text);
    if (!value) error = InputError{kColumnNames[column], text, "is not a whole number"};
    return value.value_or(0);
  }
  bool Flag(Column column) {
    const std::string& text = Field(column);
    if (error) return false;
    auto value = ParseFlag(text);
    if (!value) error = InputError{kColumnNames[column], text, "is not true, false, 1 or 0"};
    return value.value_or(false);
  }
  std::string Text(Column column) { return at_[column] < 0 ? std::string() : Field(column); }

 private:
  const std::string& Field(Column column) { return fields_[static_cast<std::size_t>(at_[column])]; }
  const std::vector<std::string>& fields_;
  const std::array<int, kColumnCount>& at_;
};

BirthParse ParseRecord(const std::vector<std::string>& fields,
                       const std::array<int, kColumnCount>& at, const ChartOptions& defaults) {
  RecordParser p(fields, at);
  BirthRequest request;
  request.options = defaults;
  BirthData& b = request.birth;
  b.BirthYear = p.Integer(kBirthYear);
  b.BirthMonth = p.Integer(kBirthMonth);
  b.BirthDay = p.Integer(kBirthDay);
  b.BirthHour = p.Integer(kBirthHour);
  b.BirthMinute = p.Integer(kBirthMinute);
  // Without a Place column every column below is there; with one, those given win over it.
  const auto given = [&at](Column column) { return at[column] >= 0; };
  if (given(kPlace) && !p.error) {
    PlaceFound place;
    p.error = ApplyPlace("Place", p.Text(kPlace), given(kZoneRow), request, place);
  }
  if (given(kZoneRow)) request.zone_row = p.Integer(kZoneRow);
  if (given(kDaylightSaving)) b.DaylightSaving = p.Flag(kDaylightSaving);
  if (given(kLatitudeDegrees)) b.LatitudeDegrees = p.Integer(kLatitudeDegrees);
  if (given(kLatitudeMinutes)) b.LatitudeMinutes = p.Integer(kLatitudeMinutes);
  if (given(kLatitudeIsSouth)) b.LatitudeIsSouth = p.Flag(kLatitudeIsSouth);
  if (given(kLongitudeDegrees)) b.LongitudeDegrees = p.Integer(kLongitudeDegrees);
  if (given(kLongitudeMinutes)) b.LongitudeMinutes = p.Integer(kLongitudeMinutes);
  if (given(kLongitudeIsEast)) b.LongitudeIsEast = p.Flag(kLongitudeIsEast);
  b.PersonName = p.Text(kPersonName);
  for (const auto [column, text] : {std::pair{kBirthCity, &b.BirthCity},
                                    {kBirthState, &b.BirthState},
                                    {kBirthCountry, &b.BirthCountry}}) {
    if (given(column) || !given(kPlace)) *text = p.Text(column);
  }
  if (!p.error) p.error = ApplyZodiac("Zodiac", p.Text(kZodiac), request.options);
  if (!p.error) p.error = ApplyPositions("Positions", p.Text(kPositions), request.options);
  if (!p.error && !TrimBlanks(p.Text(kAyanamsha)).empty() &&
      ParseZodiac(TrimBlanks(p.Text(kZodiac))) == Zodiac::Tropical) {
    p.error = InputError{"Ayanamsha", p.Text(kAyanamsha), "needs the sidereal zodiac"};
  }
  if (!p.error) p.error = ApplyAyanamsha("Ayanamsha", p.Text(kAyanamsha), request.options);
  if (p.error) return {std::nullopt, *p.error};
  return FinishBirth(std::move(request), SameName);
}

}  // namespace

BatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err, BatchFormat format,
                      const ChartOptions& defaults, const JsonTables& tables) {
  CsvReader reader(in);
  std::vector<std::string> fields;
  const auto header_status = reader.Next(fields);
  if (header_status != CsvReader::Status::Record) {
    err << "quendal-chart: "
        << (header_status == CsvReader::Status::End ? "the input holds no header row"
                                                    : "line 1: " + reader.error())
        << "\n";
    return {2, true};
  }
  std::array<int, kColumnCount> at{};
  if (!MapColumns(fields, at, err)) return {2, true};
  const std::size_t columns = fields.size();

  std::string line;
  long records = 0;
  long failed = 0;
  for (;;) {
    const auto status = reader.Next(fields);
    if (status == CsvReader::Status::End) break;
    ++records;
    if (status == CsvReader::Status::Malformed) {
      err << "quendal-chart: line " << reader.RecordLine() << ": " << reader.error() << "\n";
      ++failed;
      continue;
    }
    if (fields.size() != columns) {
      Report(err, reader.RecordLine(),
             {"record", std::to_string(fields.size()) + " fields",
              "does not match the " + std::to_string(columns) + " columns of the header"});
      ++failed;
      continue;
    }
    const BirthParse parse = ParseRecord(fields, at, defaults);
    if (!parse.request) {
      Report(err, reader.RecordLine(), parse.error);
      ++failed;
      continue;
    }
    const Chart chart = CalculateChart(parse.request->birth, parse.request->options);
    if (format == BatchFormat::Export) {
      line = ChartExportText(parse.request->birth, chart);
    } else {
      line.clear();
      AppendChartJsonLine(line, chart, tables);
    }
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
  }
  out.flush();
  err << "quendal-chart: " << records << " records, " << failed << " failed\n";
  if (!out) {
    err << "quendal-chart: the charts could not all be written\n";
    return {1, false};
  }
  return {failed == 0 ? 0 : 2, false};
}

}  // namespace quendal::cli
