#include "chart_window/jpeg_naming.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace quendal {
namespace {

// Position of the dot that starts the file name's extension; a leading dot of a hidden
// file's name starts no extension.
size_t ExtensionDot(std::string_view file_name) {
  const size_t dot = file_name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view::npos : dot;
}

// One trailing separator, runs of separators made single, and the two leading separators of
// a network path kept.
std::string NormalizedFolder(std::string_view folder) {
  std::string out;
  if (folder.starts_with("//")) {
    out = "//";
    while (!folder.empty() && folder.front() == kPathSeparator) folder.remove_prefix(1);
  }
  for (const char c : folder) {
    if (c == kPathSeparator && !out.empty() && out.back() == kPathSeparator) continue;
    out += c;
  }
  if (out.empty() || out.back() != kPathSeparator) out += kPathSeparator;
  return out;
}

}  // namespace

std::string WantedJpegPath(std::string_view requested) {
  const size_t separator = requested.rfind(kPathSeparator);
  const size_t name_start = separator == std::string_view::npos ? 0 : separator + 1;
  const size_t dot = ExtensionDot(requested.substr(name_start));
  const std::string_view stem =
      dot == std::string_view::npos ? requested : requested.substr(0, name_start + dot);
  return std::string(stem) + ".jpg";
}

void SplitPath(std::string_view path, std::string& folder, std::string& file_name) {
  const size_t separator = path.rfind(kPathSeparator);
  if (separator == std::string_view::npos) return;
  folder = std::string(path.substr(0, separator));
  file_name = std::string(path.substr(separator + 1));
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() !=
             std::filesystem::file_type::not_found &&
         !error;
}

LocalTime CurrentLocalTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,           local.tm_hour,
          local.tm_min,         local.tm_sec,     static_cast<int>(millis)};
}

std::string TimeStampText(bool short_form, const LocalTime& now) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", now.year, now.month, now.day,
                now.hour, now.minute, now.second, now.millisecond);
  return short_form ? std::string(text, 8) : std::string(text);
}

std::string TooManyCopiesText(std::string_view file_name) {
  return "There are too many Copies of this file  " + std::string(file_name);
}

std::string TooManyCopiesTitle(std::string_view file_name) {
  return " UNABLE  TO  CREATE  NEW  FILE" + std::string(file_name);
}

std::string UniqueJpegName(std::string folder, std::string file_name,
                           const JpegNameContext& context) {
  if (folder.empty()) folder = context.program_folder;
  folder = NormalizedFolder(folder);

  if (file_name.empty()) {
    file_name = TimeStampText(true, context.clock ? context.clock() : CurrentLocalTime()) + ".jpg";
  } else if (const size_t dot = ExtensionDot(file_name); dot == std::string::npos) {
    file_name += ".jpg";
  } else if (file_name.substr(dot) == ".bmp") {
    file_name.replace(dot, std::string::npos, ".jpg");
  }

  if (!FileExists(folder + file_name)) return folder + file_name;

  // The number goes before the extension only, so "my.chart.jpg" gives "my.chart_001.jpg".
  const size_t dot = ExtensionDot(file_name);
  const std::string stem = file_name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : file_name.substr(dot);
  for (int k = 1; k <= 999; ++k) {
    char number[8];
    std::snprintf(number, sizeof number, "_%03d", k);
    const std::string candidate = folder + stem + number + extension;
    if (!FileExists(candidate)) return candidate;
  }
  if (context.too_many_copies) context.too_many_copies(file_name);
  return {};
}

}  // namespace quendal
