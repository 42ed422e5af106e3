// How a text the user gave appears in quendal-chart's messages and on its readable page:
// control characters as escapes (\x1b), so a stray terminal code cannot rewrite the screen.
#pragma once

#include <string>
#include <string_view>

namespace quendal::cli {

// C0 and C1 control characters, DEL and bytes that are not UTF-8 become \xHH; all else stays.
std::string EscapeControls(std::string_view text);

// For an error line: the escaped text in single quotes, cut after 80 characters with "...".
std::string QuotedValue(std::string_view text);

}  // namespace quendal::cli
