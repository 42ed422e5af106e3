#include "ui_common/safe_write.h"

#include <QDir>
#include <QSaveFile>

namespace quendal {

QString SaveFailedText(const QString& path, const QString& reason) {
  return QStringLiteral("The file %1 could not be saved.\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool WriteFileSafely(const QString& path,
                     const std::function<bool(QIODevice& device, QString& reason)>& write,
                     QString& reason_out) {
  QSaveFile file(path);
  QString reason;
  bool saved = file.open(QIODevice::WriteOnly);
  if (saved) {
    saved = write(file, reason);
    if (saved) {
      saved = file.commit();
    } else {
      file.cancelWriting();
    }
  }
  if (!saved) reason_out = reason.isEmpty() ? file.errorString() : reason;
  return saved;
}

bool WriteBytesSafely(const QString& path, const QByteArray& bytes, QString& reason_out) {
  return WriteFileSafely(
      path, [&bytes](QIODevice& device, QString&) { return device.write(bytes) == bytes.size(); },
      reason_out);
}

}  // namespace quendal
