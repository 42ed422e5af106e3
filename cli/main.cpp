// quendal-chart: the natal chart of one birth on the command line, or of many from CSV.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "birth/chart_calculation.h"
#include "cli/batch_options.h"
#include "cli/chart_choice.h"
#include "cli/chart_output.h"
#include "cli/chart_pdf.h"
#include "cli/chart_report.h"
#include "cli/chart_run.h"
#include "cli/command_options.h"
#include "cli/match_output.h"
#include "cli/option_clashes.h"
#include "cli/place_options.h"
#include "cli/quoted_value.h"
#include "cli/sky_output.h"
#include "shell/version.h"
#include "ui_common/safe_write.h"
#include "vedic/divisional_signs.h"

namespace {

using namespace quendal;
using namespace quendal::cli;

// The PDF page's fonts need a GUI application; an offscreen one needs no display.
bool WantsPdf(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    for (std::string_view drawn : {"--pdf", "--report"})
      if (argument == drawn || (argument.starts_with(drawn) && argument[drawn.size()] == '='))
        return true;
  }
  return false;
}

// Refuses what cannot be run (parse errors, stray arguments, clashing options) and answers
// --help and --version; the exit status when the run ends here.
std::optional<int> CheckCommandLine(QCommandLineParser& parser) {
  if (!parser.parse(QCoreApplication::arguments())) {
    std::cerr << "quendal-chart: " << parser.errorText().toStdString()
              << " (see quendal-chart --help)\n";
    return kBadInput;
  }
  if (parser.isSet("help")) parser.showHelp(0);
  if (parser.isSet("version")) parser.showVersion();
  if (!parser.positionalArguments().isEmpty()) {
    std::cerr << "quendal-chart: argument "
              << QuotedValue(parser.positionalArguments().first().toStdString())
              << " is not an option (see quendal-chart --help)\n";
    return kBadInput;
  }

  std::string clash = ClashingOptions(parser);
  if (clash.empty()) clash = MatchClash(parser);
  if (!clash.empty()) {
    std::cerr << "quendal-chart: " << clash << " cannot be combined (see quendal-chart --help)\n";
    return kBadInput;
  }
  if (const auto problem = BatchOptionsProblem(parser)) {
    std::cerr << "quendal-chart: " << *problem << " (see quendal-chart --help)\n";
    return kBadInput;
  }
  return std::nullopt;
}

// --zones and --places print their list and stop.
std::optional<int> RunLists(const QCommandLineParser& parser) {
  if (parser.isSet("zones")) {
    std::ostringstream zones;
    WriteZoneList(zones);
    return Emit(parser, zones.str());
  }
  if (parser.isSet("places")) {
    const std::string places = PlaceListText(parser.value("places"));
    if (!places.empty()) return Emit(parser, places);
    ReportError(
        {"--places", parser.value("places").toStdString(), "matches no place of the atlas"});
    return kBadInput;
  }
  return std::nullopt;
}

// The conventions of the chart, checked with the options of the sky tables.
std::optional<int> ReadConventions(const QCommandLineParser& parser, ChartOptions& options) {
  const auto given = [&parser](const char* name) { return parser.value(name).toStdString(); };
  if (const auto choice = ApplyConventions({given("zodiac"), given("positions"), given("ayanamsha"),
                                            given("node"), given("dasha-year")},
                                           options)) {
    ReportError(*choice);
    return kBadInput;
  }
  if (const std::optional<InputError> sky = CheckSkyOptions(parser)) {
    ReportError(*sky);
    return kBadInput;
  }
  return std::nullopt;
}

// One chart: checked division and style, the birth, then the form asked for.
int RunChart(const QCommandLineParser& parser, const ChartOptions& options) {
  const int division = parser.isSet("division") ? parser.value("division").toInt() : 1;
  if (!IsDivision(division)) {
    ReportError(
        {"--division", parser.value("division").toStdString(), "is not one of " + DivisionList()});
    return kBadInput;
  }
  const auto style =
      ParseChartStyle(parser.isSet("chart-style") ? parser.value("chart-style") : "natal");
  if (!style) {
    ReportError({"--chart-style", parser.value("chart-style").toStdString(),
                 "is not north, south or natal"});
    return kBadInput;
  }
  PlaceFound place;
  const BirthParse parse = BirthFromCommandLine(parser, place);
  if (!parse.request) {
    ReportError(parse.error);
    return kBadInput;
  }
  if (parser.isSet("match")) {
    const MatchRun run = RunMatch(*parse.request, parser.value("match").toStdString(), options,
                                  parser.isSet("json"));
    if (!run.error) return Emit(parser, run.text);
    ReportError(*run.error);
    return kBadInput;
  }
  const Chart chart = CalculateChart(parse.request->birth, options);
  if (parser.isSet("report")) return RunReport(parser, *parse.request, chart, *style);
  if (parser.isSet("pdf")) {
    QString reason;
    const QString path = parser.value("pdf");
    if (WriteChartPdfFile(path, parse.request->birth, parse.request->zone_row, chart, division,
                          *style, reason))
      return 0;
    std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
    return kWriteFailed;
  }
  return WriteChart(parser, *parse.request, DivisionalChart(chart, division), place);
}

}  // namespace

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  std::unique_ptr<QCoreApplication> application;
  if (WantsPdf(argc, argv)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("quendal-chart");
  QCoreApplication::setApplicationVersion(kVersion);

  QCommandLineParser parser;
  AddCommandOptions(parser);
  if (const std::optional<int> status = CheckCommandLine(parser)) return *status;
  if (const std::optional<int> status = RunLists(parser)) return *status;
  ChartOptions options;
  if (const std::optional<int> status = ReadConventions(parser, options)) return *status;
  if (parser.isSet("batch")) return RunBatchFrom(parser, options);
  return RunChart(parser, options);
}
