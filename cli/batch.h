// quendal-chart --batch: births from CSV with a header row, one JSON line per good record in
// input order; a bad record gets one line on the error stream with its line number.
#pragma once

#include <istream>
#include <ostream>

#include "cli/convention_output.h"
#include "vedic/chart_options.h"

namespace quendal::cli {

enum class BatchFormat {
  JsonLines,  // one JSON line per chart
  Export,     // each chart's text export, one after another
};

// Exit status 0 when every record was charted, 2 otherwise (1: the charts could not be
// written). A refused header charts nothing at all, and an --output file must then stay as
// it was rather than be replaced by an empty one.
struct BatchOutcome {
  int status = 0;
  bool header_refused = false;
};

BatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      BatchFormat format = BatchFormat::JsonLines,
                      const ChartOptions& defaults = {}, const JsonTables& tables = {});

}  // namespace quendal::cli
