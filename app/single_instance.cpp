#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace quendal {
namespace {

QString DefaultLockDirectory() {
  QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (directory.isEmpty()) directory = QDir::tempPath();
  return directory;
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& lock_directory) {
  const QString directory = lock_directory.isEmpty() ? DefaultLockDirectory() : lock_directory;
  QDir().mkpath(directory);
  path_ = QDir(directory).filePath(QStringLiteral("quendal.lock"));
  lock_ = std::make_unique<QLockFile>(path_);
  // A lock is stale only when its holder is gone, never because it is old: the first copy
  // may run for days.
  lock_->setStaleLockTime(0);
}

bool SingleInstanceGuard::Acquire() {
  // tryLock itself clears a lock whose holder has died.
  return lock_->isLocked() || lock_->tryLock(0);
}

}  // namespace quendal
