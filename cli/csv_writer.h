// CSV as RFC 4180 writes it: fields separated by commas, records ended by CR LF, and a field
// that holds a comma, a quote or a line break in quotes with its quotes doubled.
#pragma once

#include <string>
#include <string_view>

namespace quendal::cli {

void AppendCsvField(std::string& out, std::string_view field);

// A comma before every field but a record's first: `first` is true for that one.
inline void AppendCsvCell(std::string& out, std::string_view field, bool first = false) {
  if (!first) out += ',';
  AppendCsvField(out, field);
}

inline void EndCsvRecord(std::string& out) { out += "\r\n"; }

}  // namespace quendal::cli
