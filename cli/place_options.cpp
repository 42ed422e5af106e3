#include "cli/place_options.h"

namespace quendal::cli {

void AddPlaceOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"place",
       "Birth place from the atlas, e.g. \"Pune, Maharashtra, India\" or pune: fills the place, "
       "--lat, --lon and the zone row in force at --date and --time.",
       "TEXT"},
      {"places", "List the places of the atlas that TEXT finds (at most 20) and stop.", "TEXT"},
  });
}

}  // namespace quendal::cli
