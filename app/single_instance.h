// Refuses a second running copy of the program for the same user, through a lock file that
// the operating system frees when the holder dies (a crashed copy never blocks a new start).
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace quendal {

class SingleInstanceGuard {
 public:
  // lock_directory empty: the per-user runtime folder, or the temporary folder.
  explicit SingleInstanceGuard(const QString& lock_directory = {});

  // True when this copy is now the only one; false when another copy holds the lock.
  bool Acquire();

  QString LockFilePath() const { return path_; }

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace quendal
