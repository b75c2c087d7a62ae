// Compiled into both start-up subjects, the program's benchmark build and the bare Qt window, so
// that both are timed the same way. At the first paint of any widget it queues the line
// "first-frame": a queued call runs once the event that painted (and flushed the window to the
// display) has returned. With ZELVORIA_PROBE_QUIT set, the event loop is then asked to end.

#include "bench/Probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

#include <unistd.h>

namespace probe {

namespace {

int harnessFd() {
    static const int fd = [] {
        bool ok = false;
        const int value = qEnvironmentVariableIntValue("ZELVORIA_PROBE_FD", &ok);
        return ok ? value : -1;
    }();
    return fd;
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    report("first-frame");
                    if (qEnvironmentVariableIsSet("ZELVORIA_PROBE_QUIT"))
                        QCoreApplication::quit();
                },
                Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

void installFirstFrameWatch() {
    if (harnessFd() < 0)
        return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintWatch(app));
}

} // namespace

void report(const QByteArray& line) {
    const int fd = harnessFd();
    if (fd < 0)
        return;
    const QByteArray out = line + '\n';
    qsizetype written = 0;
    while (written < out.size()) {
        const auto n = ::write(fd, out.constData() + written, static_cast<size_t>(out.size() - written));
        if (n <= 0)
            return;
        written += n;
    }
}

long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace probe

static void installFirstFrameWatchAtStart() { probe::installFirstFrameWatch(); }
Q_COREAPP_STARTUP_FUNCTION(installFirstFrameWatchAtStart)
