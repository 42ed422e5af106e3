#include "cli/csv_reader.h"

namespace quendal::cli {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(*in.rdbuf()) {
  while (pending_.size() < kByteOrderMark.size() &&
         in_.sgetc() == static_cast<unsigned char>(kByteOrderMark[pending_.size()])) {
    pending_ += static_cast<char>(in_.sbumpc());
  }
  if (pending_ == kByteOrderMark) pending_.clear();
}

int CsvReader::Get() {
  if (pending_at_ < pending_.size()) return static_cast<unsigned char>(pending_[pending_at_++]);
  return in_.sbumpc();
}

int CsvReader::Peek() {
  if (pending_at_ < pending_.size()) return static_cast<unsigned char>(pending_[pending_at_]);
  return in_.sgetc();
}

int CsvReader::SkipBlankLines() {
  // Blank lines, with or without their CR.
  for (int c = Get();; c = Get()) {
    if (c == kEnd) return c;
    if (c == '\r' && (Peek() == '\n' || Peek() == kEnd)) continue;
    if (c != '\n') return c;
    ++line_number_;
  }
}

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  int c = SkipBlankLines();
  if (c == kEnd) return Status::End;
  record_line_ = line_number_;

  std::string field;
  bool quoted = false;         // inside a quoted section
  bool field_started = false;  // a quote opens a section only as a field's first character
  std::size_t record_bytes = 0;
  // Past the limit the rest of the record is only read through, still minding quotes, so
  // the next record starts where it really starts.
  bool too_long = false;
  for (; c != kEnd; c = Get()) {
    if (c == '\r' && (Peek() == '\n' || Peek() == kEnd)) continue;
    if (c == '\n') {
      ++line_number_;
      if (!quoted) break;
    }
    if (!too_long && ++record_bytes > kMaxRecordBytes) {
      too_long = true;
      fields.clear();
      field = std::string();
    }
    if (quoted) {
      if (c != '"') {
        if (!too_long) field += static_cast<char>(c);
      } else if (Peek() == '"') {
        Get();
        if (!too_long) field += '"';
      } else {
        quoted = false;
      }
    } else if (c == ',') {
      if (!too_long) fields.push_back(std::move(field));
      field.clear();
      field_started = false;
      continue;
    } else if (c == '"' && !field_started) {
      quoted = true;
    } else if (!too_long) {
      field += static_cast<char>(c);
    }
    field_started = true;
  }
  if (quoted) {
    error_ = "a quoted field is never closed";
  } else if (too_long) {
    error_ = "record longer than 65,536 bytes";
  } else {
    fields.push_back(std::move(field));
    return Status::Record;
  }
  fields.clear();
  return Status::Malformed;
}

}  // namespace quendal::cli
