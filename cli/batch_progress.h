// The one line a batch keeps up to date on a terminal: records done, the rate, and, when the
// input's size is known, the time left. Off, it writes nothing, so pipes and logs stay clean.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

namespace quendal::cli {

class BatchProgress {
 public:
  // `input_bytes` below zero: the size is not known and no estimate is shown.
  BatchProgress(std::ostream& err, bool enabled, std::int64_t input_bytes);

  // Redraws at most a few times a second; `bytes_read` below zero is unknown.
  void Update(long records, std::int64_t bytes_read);
  // Before anything else goes onto the error stream.
  void Clear();

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& err_;
  const bool enabled_;
  const std::int64_t input_bytes_;
  const Clock::time_point start_ = Clock::now();
  Clock::time_point shown_ = start_;
  bool on_screen_ = false;
};

}  // namespace quendal::cli
