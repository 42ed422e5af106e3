// Reads CSV one record at a time from a stream, so a file of any length runs in constant
// memory: quoted fields with commas, doubled quotes and line breaks, CR LF or LF lines, and
// the UTF-8 byte-order mark that spreadsheet programs put before the header.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace quendal::cli {

class CsvReader {
 public:
  // No birth comes near this; a longer record is a stray quote or a file that is not CSV,
  // and holding it would let one endless line take all the memory there is.
  static constexpr std::size_t kMaxRecordBytes = 65536;

  explicit CsvReader(std::istream& in);

  enum class Status { Record, End, Malformed };
  // Blank lines are skipped. On Malformed, `error` says why and the reader has passed the
  // whole bad record, so the next call reads the record after it.
  Status Next(std::vector<std::string>& fields);

  long RecordLine() const { return record_line_; }  // 1-based line where the record began
  const std::string& error() const { return error_; }

 private:
  int Get();
  int SkipBlankLines();  // the first character of the next record, or kEnd
  int Peek();

  std::streambuf& in_;
  std::string pending_;  // the first bytes when they were not a byte-order mark
  std::size_t pending_at_ = 0;
  long line_number_ = 1;
  long record_line_ = 0;
  std::string error_;
};

}  // namespace quendal::cli
