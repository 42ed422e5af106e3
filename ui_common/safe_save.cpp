#include "ui_common/safe_save.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "ui_common/message_box.h"

namespace quendal {

QString SaveFailedText(const QString& path, const QString& reason) {
  return QStringLiteral("The file %1 could not be saved.\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool SaveSafely(QWidget* parent, const QString& path,
                const std::function<bool(QIODevice& device, QString& reason)>& write) {
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
  if (!saved) {
    if (reason.isEmpty()) reason = file.errorString();
    ShowMessage(parent, SaveFailedText(path, reason), MessageIcon::Stop);
  }
  return saved;
}

bool SaveBytesSafely(QWidget* parent, const QString& path, const QByteArray& bytes) {
  return SaveSafely(parent, path, [&bytes](QIODevice& device, QString&) {
    return device.write(bytes) == bytes.size();
  });
}

bool SaveJpegSafely(QWidget* parent, const QString& path, const QImage& image) {
  return SaveSafely(parent, path, [&image](QIODevice& device, QString& reason) {
    QImageWriter writer(&device, "jpeg");
    writer.setQuality(100);
    if (writer.write(image)) return true;
    reason = writer.errorString();
    return false;
  });
}

}  // namespace quendal
