#include "cli/batch_options.h"

#include <sys/stat.h>
#include <unistd.h>

#include "cli/ordered_pool.h"

namespace quendal::cli {
namespace {

// Far beyond any machine's cores; a typo of 10000 should not start ten thousand threads.
constexpr int kMostJobs = 256;

// Regular files only: a pipe's size says nothing about what is still to come.
std::int64_t InputBytes(const QString& source) {
  struct stat info {};
  const int result =
      source == "-" ? fstat(STDIN_FILENO, &info) : stat(source.toLocal8Bit().constData(), &info);
  return result == 0 && S_ISREG(info.st_mode) ? static_cast<std::int64_t>(info.st_size) : -1;
}

}  // namespace

void AddBatchOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"format", "Output of --batch: jsonl (one JSON object a line, the default) or csv.", "FORM"},
      {"jobs", "Cast the charts of --batch on N threads (default: every core).", "N"},
  });
}

std::optional<std::string> BatchOptionsProblem(const QCommandLineParser& parser) {
  for (const char* option : {"format", "jobs"}) {
    if (parser.isSet(option) && !parser.isSet("batch"))
      return std::string("--") + option + " needs --batch";
  }
  if (parser.isSet("format") && parser.isSet("export"))
    return "--export and --format cannot be combined";
  // The CSV columns are fixed; the tables have a place only in JSON.
  for (const char* table : {"dasha", "vargas", "bodies"}) {
    if (parser.isSet(table) && parser.value("format").compare("csv", Qt::CaseInsensitive) == 0)
      return std::string("--") + table + " and --format csv cannot be combined";
  }
  return std::nullopt;
}

std::optional<InputError> ReadBatchSettings(const QCommandLineParser& parser,
                                            BatchSettings& settings) {
  const QString format = parser.value("format");
  if (parser.isSet("export")) {
    settings.format = BatchFormat::Export;
  } else if (format.isEmpty() || format.compare("jsonl", Qt::CaseInsensitive) == 0) {
    settings.format = BatchFormat::JsonLines;
  } else if (format.compare("csv", Qt::CaseInsensitive) == 0) {
    settings.format = BatchFormat::Csv;
  } else {
    return InputError{"--format", format.toStdString(), "is not jsonl or csv"};
  }
  settings.dasha = parser.isSet("dasha");
  settings.jobs = DefaultJobs();
  if (parser.isSet("jobs")) {
    const std::string text = parser.value("jobs").toStdString();
    const auto jobs = ParseInteger(TrimBlanks(text));
    if (!jobs || *jobs < 1 || *jobs > kMostJobs) {
      return InputError{"--jobs", text,
                        "is not a number of threads from 1 to " + std::to_string(kMostJobs)};
    }
    settings.jobs = *jobs;
  }
  settings.progress = isatty(STDERR_FILENO) == 1;
  settings.input_bytes = settings.progress ? InputBytes(parser.value("batch")) : -1;
  return std::nullopt;
}

}  // namespace quendal::cli
