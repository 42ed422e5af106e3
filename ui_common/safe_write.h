// Writing a user's file whole with Qt Core alone: the bytes go to a temporary file beside the
// target, which replaces it only when every byte is written and flushed. The windows and
// quendal-chart both save through here, so a failed save never leaves a half-written file
// behind. A target that is a pipe or a device is written directly instead.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace quendal {

// Writes through write (false: give up, with the reason in reason or the device's error).
// False on any failure, with the reason in reason_out (the system's words, such as "No space
// left on device"); an old regular file is then as it was.
bool WriteFileSafely(const QString& path,
                     const std::function<bool(QIODevice& device, QString& reason)>& write,
                     QString& reason_out);

bool WriteBytesSafely(const QString& path, const QByteArray& bytes, QString& reason_out);

// "The file ... could not be saved." with the reason on a second line.
QString SaveFailedText(const QString& path, const QString& reason);

}  // namespace quendal
