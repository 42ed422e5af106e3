// quendal-chart --batch: births from CSV with a header row, one JSON line per good record in
// input order; a bad record gets one line on the error stream with its line number.
#pragma once

#include <istream>
#include <ostream>

namespace quendal::cli {

enum class BatchFormat {
  JsonLines,  // one JSON line per chart
  Export,     // each chart's text export, one after another
};

// Returns the exit status: 0 when every record was charted, 2 otherwise.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
             BatchFormat format = BatchFormat::JsonLines);

}  // namespace quendal::cli
