// File names for saved chart images: the wanted name, a free numbered name beside an existing
// file, and the time-stamped name used when no name is given. Paths use '/' as the separator,
// as Qt gives them on every platform.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quendal {

inline constexpr char kPathSeparator = '/';

// The requested path with the extension of its file name replaced by ".jpg" (added when it
// has none). Dots in folder names and inner dots of the file name stay.
std::string WantedJpegPath(std::string_view requested);

// Folder before the last separator and file name after it; without a separator both keep
// what they held.
void SplitPath(std::string_view path, std::string& folder, std::string& file_name);

// True when anything (a file or a folder) occupies the path, so the name is not free.
bool FileExists(const std::string& path);

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};
LocalTime CurrentLocalTime();

// yyyymmddhhmmssmmm, or its first eight characters (the date) when short_form is set.
std::string TimeStampText(bool short_form, const LocalTime& now = CurrentLocalTime());

std::string TooManyCopiesText(std::string_view file_name);
std::string TooManyCopiesTitle(std::string_view file_name);

struct JpegNameContext {
  std::string program_folder;  // used when the folder is empty
  std::function<LocalTime()> clock = CurrentLocalTime;
  // Told the file name when x.jpg and x_001.jpg to x_999.jpg are all taken.
  std::function<void(const std::string& file_name)> too_many_copies;
};

// Full path of a free image file in folder: file_name itself, else the first free of
// file_name with _001 to _999 before its extension; empty when none is free.
std::string UniqueJpegName(std::string folder, std::string file_name,
                           const JpegNameContext& context);

}  // namespace quendal
