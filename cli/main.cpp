// quendal-chart: the natal chart of one birth on the command line, or of many from CSV.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "birth/chart_calculation.h"
#include "cli/batch.h"
#include "cli/batch_options.h"
#include "cli/birth_options.h"
#include "cli/chart_choice.h"
#include "cli/chart_output.h"
#include "cli/chart_pdf.h"
#include "cli/chart_report.h"
#include "cli/convention_output.h"
#include "cli/dasha_output.h"
#include "cli/device_stream.h"
#include "cli/export_output.h"
#include "cli/match_output.h"
#include "cli/place_options.h"
#include "cli/quoted_value.h"
#include "cli/reading_input.h"
#include "cli/sky_output.h"
#include "shell/version.h"
#include "ui_common/safe_write.h"
#include "vedic/divisional_signs.h"

namespace {

using namespace quendal;
using namespace quendal::cli;

constexpr int kBadInput = 2;
constexpr int kWriteFailed = 1;

const char kDescription[] =
    "Casts the natal chart of a birth: the ascendant, the Sun, the Moon, Mercury to Saturn,\n"
    "Rahu and Ketu, the Sun and Moon signs and the twelve houses, exactly as Quendal shows\n"
    "them. Longitudes are tropical and from the classic formulas unless --zodiac sidereal\n"
    "(Lahiri ayanamsha), --ayanamsha (sidereal in another ayanamsha) or --positions precise\n"
    "(the Swiss Ephemeris) ask otherwise; --node true takes the true node (precise positions\n"
    "only). The Moon's nakshatra, pada and lord are sidereal in every case. --json names the\n"
    "conventions under Options.\n"
    "\n"
    "Examples:\n"
    "  quendal-chart --date 1984-07-09 --time 05:40 --zone 34 --lat 18:31N --lon 73:52E \\\n"
    "                --name \"Asha Rao\" --city Pune --state Maharashtra --country India\n"
    "  quendal-chart --date 1985-06-21 --time 06:00 --zone 27 --dst --lat 40:43N --lon 74:00W "
    "--json\n"
    "  quendal-chart --reading asha.kdl --export --output asha.txt\n"
    "  quendal-chart --date 1987-08-15 --time 14:35 --place \"pune, maharashtra\" --json\n"
    "  quendal-chart --places springfield\n"
    "  quendal-chart --zones\n"
    "  quendal-chart --batch births.csv > charts.jsonl\n"
    "\n"
    "--reading takes the birth from a reading file saved by Quendal (\"Save As Text\"), read\n"
    "and checked exactly as \"Open Previously Saved Reading\" does; a refused file or a failed\n"
    "check prints the form's message and the exit status is 2. It replaces the birth options.\n"
    "\n"
    "--export writes the chart as \"Export Chart As Text\" does, byte for byte (CR LF lines,\n"
    "month names of the system locale). With --batch, the export of every good record follows\n"
    "the previous one, 23 lines each (24 with --zodiac sidereal or --positions precise),\n"
    "in input order.\n"
    "\n"
    "--output writes what would go to standard output into FILE instead: FILE is replaced\n"
    "only when everything is written, and a failed save leaves it as it was, prints why and\n"
    "ends with status 1. A pipe or a device given as FILE is written directly.\n"
    "\n"
    "--batch reads CSV with a header row naming, in any order, BirthYear, BirthMonth,\n"
    "BirthDay, BirthHour, BirthMinute, ZoneRow, DaylightSaving, LatitudeDegrees,\n"
    "LatitudeMinutes, LatitudeIsSouth, LongitudeDegrees, LongitudeMinutes, LongitudeIsEast\n"
    "and optionally PersonName, BirthCity, BirthState, BirthCountry (flags true/false or\n"
    "1/0), and optional Zodiac, Ayanamsha and Positions columns (an empty cell takes\n"
    "--zodiac, --ayanamsha and --positions). It writes one JSON object per record, the keys of "
    "--json, one per line.\n"
    "A record longer than 65,536 bytes is reported and skipped; a UTF-8 byte-order mark is\n"
    "allowed. A Place column (as --place) may stand for the latitude, longitude, zone and\n"
    "daylight-saving columns; those that are given win over the place. --batch - reads\n"
    "standard input; a header row met again inside the input is skipped, so joined files and\n"
    "blocks that each repeat it read as one.\n"
    "\n"
    "--format csv writes CSV instead (CR LF, RFC 4180 quoting): the input's columns as given,\n"
    "then the ten longitudes in degrees, the ten positions in table form, SunSign, MoonSign,\n"
    "the five retrograde flags, Nakshatra, Pada, NakshatraLord and Error, one record per\n"
    "input record; a bad record keeps its input cells and says why under Error. --jobs N\n"
    "casts on N threads (default: every core); the output is the same for any N, in input\n"
    "order. A reader that closes the pipe ends the run at once with status 1. On a terminal,\n"
    "standard error shows the records done, the rate and the time left.\n"
    "\n"
    "--dasha prints the Vimshottari dasha of the chart instead of the chart: the nine\n"
    "mahadashas from birth, each with its nine antardashas (a year is 365.25 days unless\n"
    "--dasha-year sidereal, 365.256363, or savana, 360; --json says DashaYearDays);\n"
    "--dasha-levels 1 or 3 shows the mahadashas alone or down to the pratyantardashas, with\n"
    "the balance at birth and the age at the start of each period. --panchang prints the\n"
    "panchang of the birth (tithi, nakshatra, yoga, karana, vara, sunrise and sunset),\n"
    "--sade-sati the Sade Sati periods from 1900 to 2100 and --transits MOMENT the bodies of\n"
    "that moment (read in the birth's zone) in the houses of the chart. With --json each\n"
    "adds its key (Dasha and DashaBalance, Panchang, SadeSati, Transits) to the chart; the\n"
    "keys are there only when asked. --batch takes --dasha (level 2), --vargas and --bodies.\n"
    "\n"
    "--vargas prints the Shodashavarga table (the sign of every body in the sixteen\n"
    "divisional charts) and --bodies the nakshatra, pada, lord and sub-lord of every body,\n"
    "instead of the chart; with --json they add Vargas and Bodies.\n"
    "\n"
    "--place takes the best match of the atlas of places (GeoNames, CC BY 4.0): its names,\n"
    "coordinates rounded to the minute, and the zone row that carries the whole UTC offset in\n"
    "force there at --date and --time (daylight saving unticked). With --json the chart\n"
    "carries a \"Place\" object. --places lists the matches: city, state, country, latitude,\n"
    "longitude, time zone and population, separated by tabs.\n"
    "\n"
    "--division N shows divisional chart N (1 the birth chart, 2, 3, 4, 7, 9, 10, 12, 16, 20,\n"
    "24, 27, 30, 40, 45 or 60) in the houses of the page and in HouseCells, SignCells and\n"
    "SignPictures of --json, which then names it under Division; it divides the positions\n"
    "of the birth, in the zodiac of --zodiac.\n"
    "\n"
    "--match FILE.kdl matches the birth given (or --reading) as the bride with the birth of a\n"
    "reading file as the groom: the eight kootas of Ashtakoota guna milan out of 36 points, the\n"
    "Nadi and Bhakoot doshas and the Mars (Manglik) check of each, with both charts sidereal\n"
    "(Lahiri) whatever --zodiac says, and the positions of --positions. With --json it prints\n"
    "one object: Bride, Groom, Kootas, Total, Max, Doshas and Mars. No exceptions (parihara)\n"
    "or cancellations are applied.\n"
    "\n"
    "--pdf writes the chart window's PDF page (the chart, the birth details and the positions)\n"
    "into FILE without showing a window, in the chart style of --chart-style (north, south or\n"
    "natal, the wheel; natal when not given). A chart cast with --zodiac sidereal or\n"
    "--positions precise says so on the page.\n"
    "\n"
    "--report writes the chart window's horoscope report (\"Save Report As PDF\") into FILE:\n"
    "the sections of --report-sections (birth, charts, positions, divisions, vargas, dasha;\n"
    "all when not given) on the locale's paper, the charts in the style of --chart-style.\n"
    "\n"
    "Bad input is reported on standard error, naming the field and the value, and the exit\n"
    "status is 2; in batch mode the other records are still charted.";

void ReportError(const InputError& error) {
  std::cerr << "quendal-chart: " << error.field;
  if (!error.value.empty()) std::cerr << " " << QuotedValue(error.value);
  std::cerr << " " << error.reason << "\n";
}

// Standard output, or the whole text into --output FILE through a safe save.
int Emit(const QCommandLineParser& parser, const std::string& text) {
  if (parser.isSet("output")) {
    const QString path = parser.value("output");
    QString reason;
    if (WriteBytesSafely(path, QByteArray::fromStdString(text), reason)) return 0;
    std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
    return kWriteFailed;
  }
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
  return std::cout ? 0 : kWriteFailed;
}

JsonTables TablesAsked(const QCommandLineParser& parser) {
  return {parser.isSet("vargas"), parser.isSet("bodies")};
}

int RunBatchFrom(const QCommandLineParser& parser, const ChartOptions& options) {
  const QString source = parser.value("batch");
  BatchSettings settings;
  if (const auto error = ReadBatchSettings(parser, settings)) {
    ReportError(*error);
    return kBadInput;
  }
  settings.tables = TablesAsked(parser);
  // A reader that stops early (head, a closed socket) shows as a failed write, which ends
  // the run quietly, instead of as a signal that kills it.
  std::signal(SIGPIPE, SIG_IGN);
  std::ifstream file;
  if (source != "-") {
    const std::string name = source.toStdString();
    std::error_code error;
    // A folder opens like a file and then reads as nothing at all.
    const bool folder = std::filesystem::is_directory(name, error);
    if (!folder) file.open(name, std::ios::binary);
    if (folder || !file) {
      std::cerr << "quendal-chart: --batch " << QuotedValue(name)
                << (folder ? " is a folder" : " cannot be opened") << "\n";
      return kBadInput;
    }
  }
  std::istream& in = source == "-" ? std::cin : file;
  if (!parser.isSet("output")) return RunBatch(in, std::cout, std::cerr, settings, options).status;
  // Streamed into the save as it goes, so memory stays flat however long the input is; the
  // file is replaced only when the last chart is written.
  const QString path = parser.value("output");
  BatchOutcome outcome;
  QString reason;
  const bool saved = WriteFileSafely(
      path,
      [&](QIODevice& device, QString&) {
        DeviceStreamBuffer buffer(device);
        std::ostream charts(&buffer);
        outcome = RunBatch(in, charts, std::cerr, settings, options);
        return static_cast<bool>(charts.flush()) && !outcome.header_refused;
      },
      reason);
  if (saved) return outcome.status;
  if (outcome.header_refused) return outcome.status;
  std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
  return kWriteFailed;
}

// Options that cannot go together; the first clash found, empty when there is none.
std::string ClashingOptions(const QCommandLineParser& parser) {
  const char* const birth_options[] = {"date", "time", "zone",  "dst",     "lat",  "lon",
                                       "name", "city", "state", "country", "place"};
  for (const char* source : {"reading", "batch"}) {
    if (!parser.isSet(source)) continue;
    for (const char* option : birth_options) {
      if (parser.isSet(option)) return std::string("--") + source + " and --" + option;
    }
  }
  if (parser.isSet("reading") && parser.isSet("batch")) return "--reading and --batch";
  if (parser.isSet("export") && parser.isSet("json")) return "--export and --json";
  for (const char* sky : {"dasha", "panchang", "sade-sati", "transits"}) {
    for (const char* option : {"export", "batch", "zones", "pdf", "division"}) {
      // A batch line carries the dasha when asked; the other tables are for one chart.
      if (std::string_view(sky) == "dasha" && std::string_view(option) == "batch") continue;
      if (parser.isSet(sky) && parser.isSet(option))
        return std::string("--") + sky + " and --" + option;
    }
  }
  if (parser.isSet("dasha-levels") && parser.isSet("batch")) return "--dasha-levels and --batch";
  for (const char* option : {"vargas", "bodies"}) {
    for (const char* other : {"export", "dasha", "pdf"})
      if (parser.isSet(option) && parser.isSet(other))
        return std::string("--") + option + " and --" + other;
  }
  for (const char* option : {"pdf", "division", "chart-style"}) {
    if (parser.isSet(option) && parser.isSet("batch"))
      return std::string("--batch and --") + option;
  }
  if (parser.isSet("pdf")) {
    for (const char* option : {"json", "export", "output"}) {
      if (parser.isSet(option)) return std::string("--pdf and --") + option;
    }
  }
  if (std::string report = ReportClash(parser); !report.empty()) return report;
  // The lists print and stop, so an option given beside one would do nothing.
  for (const char* list : {"zones", "places"}) {
    if (!parser.isSet(list)) continue;
    for (const char* option : {"reading", "batch", "export", "json", "places"}) {
      if (option != std::string_view(list) && parser.isSet(option))
        return std::string("--") + list + " and --" + option;
    }
  }
  return {};
}

// Where the birth comes from: the options (and the atlas), or a reading file.
BirthParse BirthFromCommandLine(const QCommandLineParser& parser, PlaceFound& place) {
  if (parser.isSet("reading")) return BirthFromReading(parser.value("reading").toStdString());
  return BirthFromOptions(parser, place);
}

// How the chart leaves: JSON, the text export, or a page to read.
int WriteChart(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart,
               const PlaceFound& place) {
  std::string text;
  if (parser.isSet("json")) {
    QJsonObject json = ChartJson(chart, TablesAsked(parser));
    if (parser.isSet("division")) json["Division"] = parser.value("division").toInt();
    if (place.index >= 0) json["Place"] = PlaceJson(place);
    AddSkyJson(json, parser, request.birth, chart);
    text = QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  } else if (parser.isSet("export")) {
    text = ChartExportText(request.birth, chart);
  } else if (parser.isSet("vargas") || parser.isSet("bodies")) {
    std::ostringstream tables;
    if (parser.isSet("vargas")) WriteReadableVargas(tables, chart);
    if (parser.isSet("vargas") && parser.isSet("bodies")) tables << "\n";
    if (parser.isSet("bodies")) WriteReadableBodies(tables, chart);
    text = tables.str();
  } else if (WantsSky(parser)) {
    text = SkyText(parser, request.birth, chart);
  } else {
    std::ostringstream page;
    if (parser.isSet("division"))
      page << "Division: " << DivisionName(parser.value("division").toInt()) << "\n\n";
    WriteReadableChart(page, request, chart);
    text = page.str();
  }
  return Emit(parser, text);
}

// The PDF page is drawn by widgets, which need a GUI application; an offscreen one shows no
// window and needs no display.
bool WantsPdf(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    for (std::string_view drawn : {"--pdf", "--report"})
      if (argument == drawn || (argument.starts_with(drawn) && argument[drawn.size()] == '='))
        return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  std::unique_ptr<QCoreApplication> application;
  if (WantsPdf(argc, argv)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
  } else {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("quendal-chart");
  QCoreApplication::setApplicationVersion(kVersion);

  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  parser.addHelpOption();
  parser.addVersionOption();
  AddBirthOptions(parser);
  AddPlaceOptions(parser);
  AddBatchOptions(parser);
  parser.addOptions({
      {"json", "Print the chart as one JSON object instead of a page to read."},
      {"zones", "List the 71 time-zone rows with their numbers and stop."},
      {"batch", "Chart every birth of a CSV file (- for standard input).", "FILE"},
      {"reading", "Take the birth from a Quendal reading file (.kdl).", "FILE"},
      {"export", "Write the chart as the chart window's text export."},
      {"output", "Save the output into FILE instead of printing it.", "FILE"},
      {"zodiac", "tropical (the default) or sidereal (Lahiri).", "ZODIAC"},
      {"positions", "classic (the default formulas) or precise (Swiss Ephemeris).", "SOURCE"},
      {"ayanamsha",
       "Sidereal in lahiri, krishnamurti, raman, true-chitrapaksha, yukteshwar or "
       "fagan-bradley.",
       "NAME"},
      {"node", "mean (the default) or true (with --positions precise).", "NODE"},
      {"dasha-year", "julian (365.25 days, the default), sidereal or savana.", "YEAR"},
      {"vargas", "Print the Shodashavarga table (with --json: Vargas)."},
      {"bodies", "Print every body's nakshatra and sub-lord (with --json: Bodies)."},
      {"dasha", "Print the Vimshottari dasha of the chart."},
      {"division", "Show divisional chart N (1, 2, 3, 4, 7, 9, ..., 45, 60).", "N"},
      {"pdf", "Write the chart page as a PDF document into FILE.", "FILE"},
      {"chart-style", "Chart style of --pdf: north, south or natal.", "NAME"},
      {"match", "Match the birth (the bride) with the groom of a reading file.", "FILE"},
  });
  AddSkyOptions(parser);
  AddReportOptions(parser);

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
  ChartOptions options;
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
  if (parser.isSet("batch")) return RunBatchFrom(parser, options);

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
    if (WriteChartPdfFile(path, parse.request->birth, chart, division, *style, reason)) return 0;
    std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
    return kWriteFailed;
  }
  return WriteChart(parser, *parse.request, DivisionalChart(chart, division), place);
}
