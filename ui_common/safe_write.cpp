#include "ui_common/safe_write.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "ui_common/translated_text.h"

namespace quendal {
namespace {

using Writer = std::function<bool(QIODevice& device, QString& reason)>;

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes straight to a file descriptor and keeps the system's reason for the first refused
// write. Qt's file devices lose it when a write is only partly done, as on a disk that fills
// in the middle of a block, and say "Unknown error".
class DescriptorDevice : public QIODevice {
 public:
  explicit DescriptorDevice(int descriptor) : descriptor_(descriptor) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  bool isSequential() const override { return true; }
  bool failed() const { return failed_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (failed_) return -1;
    qint64 done = 0;
    while (done < size) {
      const ssize_t written = ::write(descriptor_, data + done, static_cast<size_t>(size - done));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        failed_ = true;
        setErrorString(SystemReason(written < 0 ? errno : EIO));
        return -1;
      }
      done += written;
    }
    return done;
  }

 private:
  int descriptor_;
  bool failed_ = false;
};

// A pipe or a device is written where it is: renaming a new file over it would replace the
// node itself (as root, even /dev/null).
bool IsSpecialFile(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && !info.isFile() && !info.isDir();
}

// False with the reason. Some writers (the JPEG encoder) do not look at what each write
// returned, so the device remembers a refusal for them, and its reason is the system's own.
bool WriteTo(const QFileDevice& file, const Writer& write, QString& reason) {
  DescriptorDevice device(file.handle());
  const bool written = write(device, reason);
  if (device.failed()) {
    reason = device.errorString();
    return false;
  }
  if (!written && reason.isEmpty()) reason = TrText("Messages", "The data could not be prepared.");
  return written;
}

bool WriteInPlace(const QString& path, const Writer& write, QString& reason) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  return WriteTo(file, write, reason);
}

bool WriteThroughTemporary(const QString& path, const Writer& write, QString& reason) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  bool saved = WriteTo(file, write, reason);
  // Some file systems report a lack of space only when the data reach the disk.
  if (saved && ::fsync(file.handle()) != 0 && errno != EINVAL) {
    reason = SystemReason(errno);
    saved = false;
  }
  if (!saved) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

QString SaveFailedText(const QString& path, const QString& reason) {
  return TrText("Messages", "The file %1 could not be saved.\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool WriteFileSafely(const QString& path, const Writer& write, QString& reason_out) {
  QString reason;
  const bool saved = IsSpecialFile(path) ? WriteInPlace(path, write, reason)
                                         : WriteThroughTemporary(path, write, reason);
  if (!saved) reason_out = reason;
  return saved;
}

bool WriteBytesSafely(const QString& path, const QByteArray& bytes, QString& reason_out) {
  return WriteFileSafely(
      path, [&bytes](QIODevice& device, QString&) { return device.write(bytes) == bytes.size(); },
      reason_out);
}

}  // namespace quendal
