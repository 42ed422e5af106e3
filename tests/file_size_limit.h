// A cap on the size of every file the test process writes, so a save can be made to fail
// halfway on any machine, as root too.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace quendal::test {

// The process may not write past `bytes` into any file while this lives; the refused write
// then fails with "File too large" instead of a signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  sighandler_t old_handler_;
};

}  // namespace quendal::test
