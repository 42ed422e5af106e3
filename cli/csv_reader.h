// Reads CSV one record at a time from a stream, so a file of any length runs in constant
// memory: quoted fields with commas, doubled quotes and line breaks, CR LF or LF lines.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace quendal::cli {

class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}

  enum class Status { Record, End, Malformed };
  // Blank lines are skipped. On Malformed, `error` says why; the reader cannot go on.
  Status Next(std::vector<std::string>& fields);

  long RecordLine() const { return record_line_; }  // 1-based line where the record began
  const std::string& error() const { return error_; }

 private:
  std::istream& in_;
  std::string line_;
  long line_number_ = 0;
  long record_line_ = 0;
  std::string error_;
};

}  // namespace quendal::cli
