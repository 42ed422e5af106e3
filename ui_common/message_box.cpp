#include "ui_common/message_box.h"

#include <QMessageBox>

#include "ui_common/translated_text.h"

namespace quendal {
namespace {

MessageHandler& InstalledHandler() {
  static MessageHandler handler;
  return handler;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Stop:
      break;
  }
  // The platform's stop icon is the critical one.
  return QMessageBox::Critical;
}

}  // namespace

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons, const QString& title) {
  // The core's messages arrive in English; their translation, where there is one, is looked up
  // here. Texts a window composed are already translated and pass unchanged.
  const MessageRequest request{TrText("Messages", text.toUtf8().constData()), title, icon, buttons};
  if (InstalledHandler()) return InstalledHandler()(request);

  QMessageBox box(
      ToQtIcon(icon), request.title, request.text,
      buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
      parent);
  // Texts may carry file names; those are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void SetMessageHandler(MessageHandler handler) { InstalledHandler() = std::move(handler); }

}  // namespace quendal
