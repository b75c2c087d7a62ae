#include "about/LinkOpener.h"

#include "shell/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace about {

namespace {

class DesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QString& address, [[maybe_unused]] std::function<void()> gaveUpLater) override {
        // Like the desktop shell, take "www.example.org" as well as a full address.
        const QUrl url = QUrl::fromUserInput(address);
        if (!url.isValid())
            return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt hands the address to xdg-open and counts that as success, but xdg-open only then
        // looks for a browser, and says in its exit status whether it found one.
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!xdgOpen.isEmpty())
            return startWatched(xdgOpen, url, std::move(gaveUpLater));
#endif
        return QDesktopServices::openUrl(url);
    }

private:
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open gives up within moments when nothing can open the address; it may also wait for
    // the browser it started, whose own exit status later means nothing to us.
    static constexpr qint64 kGiveUpWindowMs = 10000;

    static bool startWatched(const QString& program, const QUrl& url, std::function<void()> gaveUpLater) {
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
                         [process, started, gaveUpLater = std::move(gaveUpLater)](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if ((status != QProcess::NormalExit || code != 0) && started.elapsed() < kGiveUpWindowMs &&
                                 gaveUpLater)
                                 gaveUpLater();
                         });
        return true;
    }
#endif
};

} // namespace

LinkOpener& desktopLinkOpener() {
    static DesktopLinkOpener opener;
    return opener;
}

QString homePageAddress() { return QStringLiteral(ZELVORIA_HOMEPAGE); }

void openHomePage(LinkOpener& links, QWidget* owner) {
    const auto warn = [address = homePageAddress(), owner = QPointer<QWidget>(owner)] {
        //: %1 is the web address, which follows the colon directly.
        shell::MsgBox(owner, {QCoreApplication::translate("about::LinkOpener", "Error jumping to:%1").arg(address),
                              QCoreApplication::translate("about::LinkOpener", "Warning"), shell::MessageIcon::Warning});
    };
    if (!links.open(homePageAddress(), warn))
        warn();
}

} // namespace about
