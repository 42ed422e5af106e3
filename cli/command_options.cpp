#include "cli/command_options.h"

#include "cli/batch_options.h"
#include "cli/birth_options.h"
#include "cli/chart_report.h"
#include "cli/help_text.h"
#include "cli/place_options.h"
#include "cli/sky_output.h"

namespace quendal::cli {

void AddCommandOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(kHelpDescription);
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
}

}  // namespace quendal::cli
