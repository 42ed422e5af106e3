#include "cli/option_clashes.h"

#include <string_view>

#include "cli/chart_report.h"

namespace quendal::cli {

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

}  // namespace quendal::cli
