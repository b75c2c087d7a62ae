#include "ScreenTestSupport.h"

QList<shell::Message>& messages() {
    static QList<shell::Message> list;
    return list;
}

void recordMessages() {
    messages().clear();
    shell::setMessageSink([](QWidget*, const shell::Message& m) { messages() << m; });
}
