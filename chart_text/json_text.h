// The pieces of compact JSON text the chart's writers are made of. Keys and values are written
// as QJsonDocument writes them, so a line reads back and re-indents to the same object.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

// "365.25", "365.256363", "360": the shortest text that reads back as the same number.
std::string NumberText(double value);
void AppendNumberText(std::string& out, double value);

// A JSON string: quotes, backslashes and control characters escaped, everything else as is.
void AppendJsonString(std::string& out, std::string_view text);

// "key": written before a value of any kind.
void AppendJsonKey(std::string& out, std::string_view key);

}  // namespace quendal
