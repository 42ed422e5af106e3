// quendal-chart: the natal chart of one birth on the command line, or of many from CSV.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <fstream>
#include <iostream>

#include "birth/chart_calculation.h"
#include "cli/batch.h"
#include "cli/birth_options.h"
#include "cli/chart_output.h"

namespace {

using namespace quendal;
using namespace quendal::cli;

constexpr int kBadInput = 2;

const char kDescription[] =
    "Casts the natal chart of a birth: the ascendant, the Sun, the Moon, Mercury to Saturn,\n"
    "Rahu and Ketu, the Sun and Moon signs and the twelve houses, exactly as Quendal shows\n"
    "them. Longitudes are tropical.\n"
    "\n"
    "Examples:\n"
    "  quendal-chart --date 1984-07-09 --time 05:40 --zone 34 --lat 18:31N --lon 73:52E \\\n"
    "                --name \"Asha Rao\" --city Pune --state Maharashtra --country India\n"
    "  quendal-chart --date 1985-06-21 --time 06:00 --zone 27 --dst --lat 40:43N --lon 74:00W "
    "--json\n"
    "  quendal-chart --zones\n"
    "  quendal-chart --batch births.csv > charts.jsonl\n"
    "\n"
    "--batch reads CSV with a header row naming, in any order, BirthYear, BirthMonth,\n"
    "BirthDay, BirthHour, BirthMinute, ZoneRow, DaylightSaving, LatitudeDegrees,\n"
    "LatitudeMinutes, LatitudeIsSouth, LongitudeDegrees, LongitudeMinutes, LongitudeIsEast\n"
    "and optionally PersonName, BirthCity, BirthState, BirthCountry (flags true/false or\n"
    "1/0). It writes one JSON object per record, the keys of --json, one per line.\n"
    "\n"
    "Bad input is reported on standard error, naming the field and the value, and the exit\n"
    "status is 2; in batch mode the other records are still charted.";

void ReportError(const InputError& error) {
  std::cerr << "quendal-chart: " << error.field;
  if (!error.value.empty()) std::cerr << " '" << error.value << "'";
  std::cerr << " " << error.reason << "\n";
}

int RunBatchFrom(const QString& source) {
  if (source == "-") return RunBatch(std::cin, std::cout, std::cerr);
  std::ifstream file(source.toStdString(), std::ios::binary);
  if (!file) {
    std::cerr << "quendal-chart: --batch '" << source.toStdString() << "' cannot be opened\n";
    return kBadInput;
  }
  return RunBatch(file, std::cout, std::cerr);
}

// Where the birth comes from. Further sources (a reading file) add an option and a branch.
BirthParse BirthFromCommandLine(const QCommandLineParser& parser) {
  return BirthFromOptions(parser);
}

// How the chart leaves. Further outputs (a text export, a file) add an option and a branch.
int WriteChart(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart) {
  if (parser.isSet("json")) {
    std::cout << QJsonDocument(ChartJson(chart)).toJson(QJsonDocument::Indented).toStdString();
  } else {
    WriteReadableChart(std::cout, request, chart);
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("quendal-chart");
  QCoreApplication::setApplicationVersion("1.85");

  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  parser.addHelpOption();
  parser.addVersionOption();
  AddBirthOptions(parser);
  parser.addOptions({
      {"json", "Print the chart as one JSON object instead of a page to read."},
      {"zones", "List the 71 time-zone rows with their numbers and stop."},
      {"batch", "Chart every birth of a CSV file (- for standard input).", "FILE"},
  });

  if (!parser.parse(QCoreApplication::arguments())) {
    std::cerr << "quendal-chart: " << parser.errorText().toStdString()
              << " (see quendal-chart --help)\n";
    return kBadInput;
  }
  if (parser.isSet("help")) parser.showHelp(0);
  if (parser.isSet("version")) parser.showVersion();
  if (!parser.positionalArguments().isEmpty()) {
    std::cerr << "quendal-chart: argument '" << parser.positionalArguments().first().toStdString()
              << "' is not an option (see quendal-chart --help)\n";
    return kBadInput;
  }

  if (parser.isSet("zones")) {
    WriteZoneList(std::cout);
    return 0;
  }
  if (parser.isSet("batch")) return RunBatchFrom(parser.value("batch"));

  const BirthParse parse = BirthFromCommandLine(parser);
  if (!parse.request) {
    ReportError(parse.error);
    return kBadInput;
  }
  return WriteChart(parser, *parse.request, CalculateChart(parse.request->birth));
}
