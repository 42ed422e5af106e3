#include "ui_common/safe_save.h"

#include <QImage>
#include <QImageWriter>

#include "ui_common/message_box.h"

namespace quendal {

bool SaveSafely(QWidget* parent, const QString& path,
                const std::function<bool(QIODevice& device, QString& reason)>& write) {
  QString reason;
  if (WriteFileSafely(path, write, reason)) return true;
  ShowMessage(parent, SaveFailedText(path, reason), MessageIcon::Stop);
  return false;
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
