// quendal-chart --batch: births from CSV with a header row, one chart per good record in
// input order; a bad record gets one line on the error stream with its line number.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>

#include "chart/chart_options.h"
#include "chart_text/chart_json.h"

namespace quendal::cli {

enum class BatchFormat {
  JsonLines,  // one JSON line per chart
  Csv,        // the input's columns, then the chart's, one record per birth
  Export,     // each chart's text export, one after another
};

struct BatchSettings {
  BatchFormat format = BatchFormat::JsonLines;
  bool dasha = false;  // JSON lines carry the dasha
  JsonTables tables;   // and these tables
  int jobs = 1;        // threads that cast charts; the output is the same for any number
  bool progress = false;
  std::int64_t input_bytes = -1;  // for the progress estimate; below zero when not known
};

// Exit status 0 when every record was charted, 2 otherwise (1: the charts could not be
// written). A refused header charts nothing at all, and an --output file must then stay as
// it was rather than be replaced by an empty one. A reader that stopped reading (a closed
// pipe) ends the run at once with status 1 and without a word.
struct BatchOutcome {
  int status = 0;
  bool header_refused = false;
};

BatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      const BatchSettings& settings = {}, const ChartOptions& defaults = {});

}  // namespace quendal::cli
