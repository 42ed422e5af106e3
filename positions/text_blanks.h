// Leading and trailing blanks (spaces only, never tabs) removed: the one rule by which the
// form, reading files, quendal-chart and the longitude texts all read a typed value.
#pragma once

#include <string_view>

namespace quendal {

constexpr std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace quendal
