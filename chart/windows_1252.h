// UTF-8 <-> Windows-1252, the code page of the reading file and of plain place names.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

// Characters without a Windows-1252 byte, and malformed UTF-8, are dropped.
std::string ToWindows1252(std::string_view utf8);
std::string FromWindows1252(std::string_view bytes);

}  // namespace quendal
