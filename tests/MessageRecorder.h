#pragma once
// Message boxes in tests: recorded instead of shown, so no modal box ever waits for a click.

#include "shell/MessageBox.h"

#include <QList>

inline QList<shell::Message>& messages() {
    static QList<shell::Message> list;
    return list;
}

inline void recordMessages() {
    messages().clear();
    shell::setMessageSink([](QWidget*, const shell::Message& m) { messages() << m; });
}
