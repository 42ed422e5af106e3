// The Swiss Ephemeris reads its data files through stdio, a seek and a short read for each
// body of each chart: some thirty system calls a chart of a new date, most of the batch's
// system time. Each data file is read whole when the library opens it and served from
// memory (fmemopen) from then on. The link wraps fopen and fclose (-Wl,--wrap) for the
// library's data files only; every other file is left alone.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

extern "C" {
FILE* __real_fopen(const char* path, const char* mode);
int __real_fclose(FILE* file);
FILE* __wrap_fopen(const char* path, const char* mode);
int __wrap_fclose(FILE* file);
}

namespace {

// The largest data file is under 1.5 MB; anything far bigger is read from the disc as before.
constexpr long kLargestInMemory = 8L << 20;

std::mutex& ContentsLock() {
  static std::mutex lock;
  return lock;
}
// The contents under each memory stream, freed when it closes.
std::unordered_map<FILE*, char*>& Contents() {
  static std::unordered_map<FILE*, char*> contents;
  return contents;
}

bool IsDataFileRead(const char* path, const char* mode) {
  const std::size_t length = std::strlen(path);
  return length > 4 && std::strcmp(path + length - 4, ".se1") == 0 && mode[0] == 'r' &&
         std::strchr(mode, '+') == nullptr;
}

}  // namespace

FILE* __wrap_fopen(const char* path, const char* mode) {
  FILE* file = __real_fopen(path, mode);
  if (file == nullptr || !IsDataFileRead(path, mode)) return file;
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || info.st_size <= 0 || info.st_size > kLargestInMemory)
    return file;
  const auto size = static_cast<std::size_t>(info.st_size);
  char* contents = static_cast<char*>(std::malloc(size));
  if (contents == nullptr) return file;
  FILE* memory = nullptr;
  if (std::fread(contents, 1, size, file) == size) memory = fmemopen(contents, size, "rb");
  if (memory == nullptr) {
    std::free(contents);
    std::rewind(file);
    return file;
  }
  __real_fclose(file);
  std::lock_guard guard(ContentsLock());
  Contents()[memory] = contents;
  return memory;
}

int __wrap_fclose(FILE* file) {
  char* contents = nullptr;
  {
    std::lock_guard guard(ContentsLock());
    const auto found = Contents().find(file);
    if (found != Contents().end()) {
      contents = found->second;
      Contents().erase(found);
    }
  }
  const int result = __real_fclose(file);
  std::free(contents);
  return result;
}
