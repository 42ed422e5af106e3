#include "cli/batch.h"

#include <QJsonDocument>
#include <array>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "birth/chart_calculation.h"
#include "cli/batch_progress.h"
#include "cli/birth_input.h"
#include "cli/chart_choice.h"
#include "cli/chart_csv.h"
#include "cli/chart_output.h"
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "cli/dasha_output.h"
#include "cli/export_output.h"
#include "cli/ordered_pool.h"
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

// "line 4: BirthYear '1850' is ...": the error line without the program's name, as the
// Error column of CSV output carries it too.
std::string Message(long line, const InputError& error) {
  return "line " + std::to_string(line) + ": " + error.field + " " + QuotedValue(error.value) +
         " " + error.reason;
}

void Report(std::ostream& err, long line, const InputError& error) {
  err << "quendal-chart: " << Message(line, error) << "\n";
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
                       const std::array<int, kColumnCount>& at, const ChartOptions& defaults,
                       PlaceFound& place) {
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
  if (given(kPlace) && !p.error)
    p.error = ApplyPlace("Place", p.Text(kPlace), given(kZoneRow), request, place);
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

// Records travel between reader, workers and writer in chunks: one lock a chunk instead of
// one a record keeps the threads casting rather than waiting.
constexpr std::size_t kChunkRecords = 256;

struct PendingRecord {
  long line = 0;
  bool malformed = false;
  std::string error;  // why the CSV of a malformed record could not be read
  std::vector<std::string> fields;
};

struct Chunk {
  std::vector<PendingRecord> records = std::vector<PendingRecord>(kChunkRecords);
  std::size_t used = 0;
  std::string out;
  std::string err;
  long failed = 0;
  std::int64_t bytes_read = -1;
};

// What every record of one batch shares; read only while the workers run.
struct BatchContext {
  std::array<int, kColumnCount> at{};
  std::size_t columns = 0;
  BatchSettings settings;
  ChartOptions defaults;
};

void Fail(const BatchContext& context, const PendingRecord& record, const std::string& message,
          Chunk& chunk) {
  chunk.err += "quendal-chart: " + message + "\n";
  ++chunk.failed;
  if (context.settings.format != BatchFormat::Csv) return;
  static const std::string kEmpty;
  for (std::size_t i = 0; i < context.columns; ++i) {
    const bool have = !record.malformed && i < record.fields.size();
    AppendCsvCell(chunk.out, have ? record.fields[i] : kEmpty, i == 0);
  }
  AppendChartCsvError(chunk.out, message);
  EndCsvRecord(chunk.out);
}

void Cast(const BatchContext& context, const PendingRecord& record, Chunk& chunk) {
  if (record.malformed)
    return Fail(context, record, "line " + std::to_string(record.line) + ": " + record.error,
                chunk);
  const std::vector<std::string>& fields = record.fields;
  if (fields.size() != context.columns) {
    return Fail(context, record,
                Message(record.line, {"record", std::to_string(fields.size()) + " fields",
                                      "does not match the " + std::to_string(context.columns) +
                                          " columns of the header"}),
                chunk);
  }
  PlaceFound place;
  const BirthParse parse = ParseRecord(fields, context.at, context.defaults, place);
  if (!parse.request) return Fail(context, record, Message(record.line, parse.error), chunk);
  const Chart chart = CalculateChart(parse.request->birth, parse.request->options);
  switch (context.settings.format) {
    case BatchFormat::Export:
      chunk.out += ChartExportText(parse.request->birth, chart);
      break;
    case BatchFormat::Csv:
      for (std::size_t i = 0; i < fields.size(); ++i) AppendCsvCell(chunk.out, fields[i], i == 0);
      AppendChartCsvCells(chunk.out, chart);
      EndCsvRecord(chunk.out);
      break;
    case BatchFormat::JsonLines: {
      const std::string place_json =
          place.index >= 0
              ? QJsonDocument(PlaceJson(place)).toJson(QJsonDocument::Compact).toStdString()
              : std::string();
      AppendChartJson(chunk.out, chart,
                      {context.settings.dasha, place_json, context.settings.tables});
      chunk.out += '\n';
      break;
    }
  }
}

}  // namespace

BatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      const BatchSettings& settings, const ChartOptions& defaults) {
  CsvReader reader(in);
  std::vector<std::string> header;
  const auto header_status = reader.Next(header);
  if (header_status != CsvReader::Status::Record) {
    err << "quendal-chart: "
        << (header_status == CsvReader::Status::End ? "the input holds no header row"
                                                    : "line 1: " + reader.error())
        << "\n";
    return {2, true};
  }
  BatchContext context;
  if (!MapColumns(header, context.at, err)) return {2, true};
  context.columns = header.size();
  context.settings = settings;
  context.defaults = defaults;

  if (settings.format == BatchFormat::Csv) {
    std::string row;
    for (std::size_t i = 0; i < header.size(); ++i) AppendCsvCell(row, header[i], i == 0);
    AppendChartCsvHeader(row);
    EndCsvRecord(row);
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }

  const int jobs = std::max(settings.jobs, 1);
  std::vector<Chunk> chunks(jobs > 1 ? 2 * static_cast<std::size_t>(jobs) + 2 : 1);
  BatchProgress progress(err, settings.progress, settings.input_bytes);
  long records = 0;
  long failed = 0;
  bool pipe_closed = false;
  OrderedPoolSteps steps;
  steps.fill = [&](std::size_t slot) {
    Chunk& chunk = chunks[slot];
    chunk.used = 0;
    while (chunk.used < kChunkRecords) {
      PendingRecord& record = chunk.records[chunk.used];
      const auto status = reader.Next(record.fields);
      if (status == CsvReader::Status::End) break;
      // A header again, where inputs were put one after another or split with theirs.
      if (status == CsvReader::Status::Record && record.fields == header) continue;
      record.line = reader.RecordLine();
      record.malformed = status == CsvReader::Status::Malformed;
      if (record.malformed) record.error = reader.error();
      ++chunk.used;
    }
    if (settings.progress)
      chunk.bytes_read = in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    return chunk.used > 0;
  };
  steps.work = [&](std::size_t slot) {
    Chunk& chunk = chunks[slot];
    chunk.out.clear();
    chunk.err.clear();
    chunk.failed = 0;
    for (std::size_t i = 0; i < chunk.used; ++i) Cast(context, chunk.records[i], chunk);
  };
  steps.drain = [&](std::size_t slot) {
    const Chunk& chunk = chunks[slot];
    out.write(chunk.out.data(), static_cast<std::streamsize>(chunk.out.size()));
    if (!out && errno == EPIPE) {
      pipe_closed = true;
      return false;
    }
    if (!chunk.err.empty()) {
      progress.Clear();
      err << chunk.err;
    }
    records += static_cast<long>(chunk.used);
    failed += chunk.failed;
    progress.Update(records, chunk.bytes_read);
    return true;
  };
  RunOrderedPool(jobs, chunks.size(), steps);
  progress.Clear();
  if (!pipe_closed) {
    errno = 0;
    out.flush();
    pipe_closed = !out && errno == EPIPE;
  }
  if (pipe_closed) return {1, false};
  err << "quendal-chart: " << records << " records, " << failed << " failed\n";
  if (!out) {
    err << "quendal-chart: the charts could not all be written\n";
    return {1, false};
  }
  return {failed == 0 ? 0 : 2, false};
}

}  // namespace quendal::cli
