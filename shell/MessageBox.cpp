#include "shell/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace shell {

namespace {
void showModal(QWidget* parent, const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Warning ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

MessageSink& sink() {
    static MessageSink current;
    return current;
}
} // namespace

void setMessageSink(MessageSink replacement) { sink() = std::move(replacement); }

void MsgBox(QWidget* parent, const Message& message) {
    if (sink())
        sink()(parent, message);
    else
        showModal(parent, message);
}

Message sorryMessage(const QString& text) {
    return {text, QCoreApplication::translate("shell::MessageBox", "Sorry . . ."),
            MessageIcon::None};
}

} // namespace shell
