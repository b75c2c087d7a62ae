#include "about/PlatformServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include "about/WindowsServices.h"
#else
#include "about/RegistryStandIn.h"
#endif

namespace about {

namespace {

// Like the desktop shell, take "www.example.org" as well as a full address.
QUrl webAddress(const QString& address) { return QUrl::fromUserInput(address); }

class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QString& address) override { return openWatched(address, {}); }

    bool openWatched(const QString& address,
                     [[maybe_unused]] std::function<void()> failedLater) override {
        const QUrl url = webAddress(address);
        if (!url.isValid())
            return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt hands the address to xdg-open and counts that as success, but xdg-open only then
        // looks for a browser, and says in its exit status whether it found one.
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!xdgOpen.isEmpty())
            return startXdgOpen(xdgOpen, url, std::move(failedLater));
#endif
        return QDesktopServices::openUrl(url);
    }

private:
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open gives up within moments when nothing can open the address; it may also wait for
    // the browser it started, whose own exit status later means nothing to us.
    static constexpr qint64 kGiveUpWindowMs = 10000;

    static bool startXdgOpen(const QString& program, const QUrl& url, std::function<void()> failedLater) {
        auto* process = new QProcess(QCoreApplication::instance());
        process->setProgram(program);
        process->setArguments({url.toString(QUrl::FullyEncoded)});
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        process->start();
        if (!process->waitForStarted(2000)) {
            delete process;
            return false;
        }
        QElapsedTimer started;
        started.start();
        QObject::connect(process, &QProcess::finished, process,
                         [process, started, failedLater = std::move(failedLater)](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if ((status != QProcess::NormalExit || code != 0) && started.elapsed() < kGiveUpWindowMs &&
                                 failedLater)
                                 failedLater();
                         });
        return true;
    }
#endif
};

} // namespace

SystemServices& platformSystemServices() {
#ifdef Q_OS_WIN
    static WindowsServices services;
#else
    static RegistryStandIn services;
#endif
    return services;
}

LinkOpener& desktopLinkOpener() {
    static DesktopLinkOpener opener;
    return opener;
}

} // namespace about
