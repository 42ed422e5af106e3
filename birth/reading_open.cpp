#include "birth/reading_open.h"

#include <QFile>

#include "birth/reading_file.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {

bool LoadReading(QWidget* parent, const QString& path, FormValues& values) {
  const auto refuse = [parent] {
    ShowMessage(parent, QString::fromUtf8(kCheckFileMessage.data(), kCheckFileMessage.size()),
                MessageIcon::Stop);
    return false;
  };
  if (!HasReadingExtension(path.toStdString())) return refuse();
  const auto bytes = ReadFileBytes(QFile::encodeName(path).toStdString());
  if (!bytes) return refuse();
  const auto fill = InterpretReading(DecodeReading(*bytes));
  if (!fill) return refuse();
  ApplyReading(values, *fill);
  return true;
}

bool OpenReading(QWidget* parent, FormValues& values) {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.title = TrText("frmMain", "Select the source file");
  request.filter = TrText("frmMain", "Quendal (*.kdl)");
  request.default_suffix = QStringLiteral("kdl");
  const QString path = AskFileName(parent, request);
  if (path.isEmpty()) return false;
  return LoadReading(parent, path, values);
}

}  // namespace quendal
