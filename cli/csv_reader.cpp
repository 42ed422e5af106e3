#include "cli/csv_reader.h"

namespace quendal::cli {
namespace {

// A record longer than this is an unclosed quote eating the file, not a birth.
constexpr std::size_t kMaxRecordBytes = 1 << 16;

}  // namespace

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  do {
    if (!std::getline(in_, line_)) return Status::End;
    ++line_number_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  } while (line_.empty());
  record_line_ = line_number_;

  std::string field;
  bool quoted = false;      // inside a quoted section
  bool was_quoted = false;  // the field began with a quote
  std::size_t record_bytes = 0;
  for (;;) {
    record_bytes += line_.size();
    for (std::size_t i = 0; i < line_.size(); ++i) {
      const char c = line_[i];
      if (quoted) {
        if (c != '"') {
          field += c;
        } else if (i + 1 < line_.size() && line_[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else if (c == ',') {
        fields.push_back(std::move(field));
        field.clear();
        was_quoted = false;
      } else if (c == '"' && field.empty() && !was_quoted) {
        quoted = was_quoted = true;
      } else {
        field += c;
      }
    }
    if (!quoted) break;
    if (record_bytes > kMaxRecordBytes || !std::getline(in_, line_)) {
      error_ = "a quoted field is never closed";
      return Status::Malformed;
    }
    ++line_number_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    field += '\n';
  }
  fields.push_back(std::move(field));
  return Status::Record;
}

}  // namespace quendal::cli
