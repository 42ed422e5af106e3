// Every message box of the program goes through here, so that tests can answer it instead
// of a person and no test ever blocks on a modal window.
#pragma once

#include <QString>
#include <functional>

#include "chart/message_icon.h"

class QWidget;

namespace quendal {

inline const QString kApplicationTitle = QStringLiteral("Quendal");

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
  QString text;
  QString title;
  MessageIcon icon = MessageIcon::Stop;
  MessageButtons buttons = MessageButtons::Ok;
};

// Shows a modal message box (title "Quendal" unless given) and returns the answer.
MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok,
                          const QString& title = kApplicationTitle);

// Tests install a handler that records the request and answers it; an empty handler
// restores the real message box.
using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;
void SetMessageHandler(MessageHandler handler);

}  // namespace quendal
