#pragma once
// Modal message boxes with an OK button. Tests replace the box with a recorder.

#include <QString>
#include <functional>

class QWidget;

namespace shell {

enum class MessageIcon { None, Warning };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

void MsgBox(QWidget* parent, const Message& message);

using MessageSink = std::function<void(QWidget* parent, const Message& message)>;
// Replaces the modal box (an empty sink restores it).
void setMessageSink(MessageSink sink);

// "Sorry . . .", no icon: the answer to input the program cannot take.
Message sorryMessage(const QString& text);

} // namespace shell
