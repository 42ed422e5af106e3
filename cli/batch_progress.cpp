#include "cli/batch_progress.h"

#include <string>

namespace quendal::cli {
namespace {

// Redrawing more often than this only flickers.
constexpr auto kInterval = std::chrono::milliseconds(250);

std::string Grouped(long long value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::string Duration(long long seconds) {
  std::string text = std::to_string(seconds / 60) + ":";
  if (seconds % 60 < 10) text += '0';
  return text + std::to_string(seconds % 60);
}

}  // namespace

BatchProgress::BatchProgress(std::ostream& err, bool enabled, std::int64_t input_bytes)
    : err_(err), enabled_(enabled), input_bytes_(input_bytes) {}

void BatchProgress::Update(long records, std::int64_t bytes_read) {
  if (!enabled_) return;
  const auto now = Clock::now();
  if (now - shown_ < kInterval) return;
  shown_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  std::string line = "\rquendal-chart: " + Grouped(records) + " records, " +
                     Grouped(static_cast<long long>(records / seconds)) + " a second";
  if (input_bytes_ > 0 && bytes_read > 0) {
    const double share = static_cast<double>(bytes_read) / static_cast<double>(input_bytes_);
    if (share < 1)
      line += ", about " + Duration(static_cast<long long>(seconds / share * (1 - share) + 0.5)) +
              " left";
  }
  err_ << line << "\x1b[K" << std::flush;
  on_screen_ = true;
}

void BatchProgress::Clear() {
  if (!on_screen_) return;
  err_ << "\r\x1b[K" << std::flush;
  on_screen_ = false;
}

}  // namespace quendal::cli
