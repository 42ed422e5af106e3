// Saving a user's file all at once: the bytes go to a temporary file beside the target that
// replaces it only when every byte is written, so a failed save leaves the old file whole.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "ui_common/safe_write.h"

class QIODevice;
class QImage;
class QWidget;

namespace quendal {

// Writes through write (false: give up, reason in device's error or reason_out); on failure
// shows a stop message naming the file and the reason and returns false.
bool SaveSafely(QWidget* parent, const QString& path,
                const std::function<bool(QIODevice& device, QString& reason)>& write);

bool SaveBytesSafely(QWidget* parent, const QString& path, const QByteArray& bytes);

// The image as a JPEG file at quality 100.
bool SaveJpegSafely(QWidget* parent, const QString& path, const QImage& image);

}  // namespace quendal
