// Printing through a real print server: a cupsd of the test's own (configuration, spool, logs
// and socket in a temporary folder; the machine's CUPS is not touched), a queue on the cups-pdf
// backend, the couple's report printed through QPrinter to it by name with no dialog, and the
// job's PDF, where the machine's cups-pdf puts it (the user's ~/PDF), read back with pdftotext:
// every topic's words in the screens' order and every page numbered. The print command's
// preview shows as many pages.

#include "report/Report.h"
#include "report/ReportFile.h"
#include "ReportWords.h"
#include "ScreenTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

namespace {

// The newest PDF in the folder written since the given time: a fresh server numbers its jobs
// from 1 again, so the name may be one an earlier run left.
QString pdfSince(const QString& folder, const QDateTime& since) {
    const QFileInfoList found = QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    return !found.isEmpty() && found.first().lastModified() >= since ? found.first().filePath() : QString();
}

} // namespace

class TestReportPrint : public QObject {
    Q_OBJECT

private slots:
    void printsTheCouplesReport() {
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        if (QStandardPaths::findExecutable("cupsd", {"/usr/sbin"}).isEmpty() ||
            !QFile::exists("/usr/lib/cups/backend/cups-pdf") || !QFile::exists(ppd) ||
            QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("needs the packages cups, printer-driver-cups-pdf and poppler-utils");
        if (geteuid() != 0)
            QSKIP("the cups-pdf backend runs only under a print server started as root");

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString dir = root.path();
        for (const char* sub : {"spool", "tmp", "cache", "state", "log"})
            QVERIFY(QDir(dir).mkpath(QString::fromLatin1(sub)));
        // The filters run as the lp user and need a temporary folder they can write.
        QVERIFY(QFile::setPermissions(dir + "/tmp", QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(dir, QFileDevice::Permissions(0x7755)));
        const QString socket = dir + "/cups.sock";
        const auto write = [&](const char* name, const QString& text) {
            QFile file(dir + u'/' + QLatin1String(name));
            return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
        };
        QVERIFY(write("cupsd.conf", QStringLiteral("Listen %1\nLogLevel info\nWebInterface No\nBrowsing Off\n"
                                                   "<Location />\n Order allow,deny\n Allow all\n</Location>\n"
                                                   "<Policy default>\n <Limit All>\n  Order allow,deny\n"
                                                   "  Allow all\n </Limit>\n</Policy>\n").arg(socket)));
        QVERIFY(write("cups-files.conf", QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                                        "CacheDir %1/cache\nStateDir %1/state\n"
                                                        "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                                        "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                                        "PageLog %1/log/page_log\nSystemGroup root\n").arg(dir)));
        QProcess server;
        const auto stop = qScopeGuard([&] { // on every path
            server.terminate();
            server.waitForFinished(5000);
        });
        server.setProcessChannelMode(QProcess::ForwardedChannels);
        server.start("/usr/sbin/cupsd", {"-f", "-c", dir + "/cupsd.conf", "-s", dir + "/cups-files.conf"});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        // The queue renders with Cairo, as Debian's cups-pdf advises: Ghostscript's rendering
        // leaves the text unsearchable (Debian bug 928738).
        QCOMPARE(QProcess::execute("/usr/sbin/lpadmin",
                                   {"-h", socket, "-p", "zpdf", "-E", "-v", "cups-pdf:/", "-P", ppd, "-o",
                                    "pdftops-renderer-default=pdftocairo"}),
                 0);
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        QVERIFY(QPrinterInfo::availablePrinterNames().contains("zpdf"));

        // cups-pdf writes to the Out folder of /etc/cups/cups-pdf.conf: ~/PDF of the job's user.
        const QString out = QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + "/PDF";
        const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
        const auto made = report::coupleReport("Leo", "Scorpio", "She");
        QRect printerArea;
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPrinterName("zpdf");
            QCOMPARE(printer.printerName(), QStringLiteral("zpdf"));
            report::preparePrinter(printer, *made);
            QVERIFY(report::paintReport(*made, printer));
            printerArea = printer.pageLayout().paintRect(QPageLayout::Point).toAlignedRect();
        }

        QString printed;
        QElapsedTimer waited;
        waited.start();
        while (printed.isEmpty() && waited.elapsed() < 60000) {
            QTest::qWait(250);
            printed = pdfSince(out, since);
        }
        QVERIFY2(!printed.isEmpty(), "no PDF from cups-pdf within 60 s");
        // cups-pdf writes the file, then closes it: wait for the PDF's end-of-file mark.
        const auto whole = [&] {
            QFile file(printed);
            return file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF");
        };
        while (!whole() && waited.elapsed() < 60000)
            QTest::qWait(250);
        const QStringList printedWords = reportwords::readingWords(printed, printerArea);
        const QString printedText = reportwords::run("pdftotext", {printed, "-"});
        QFile::remove(printed);
        qInfo("printed %s: %lld pages, %lld words", qPrintable(printed), qlonglong(printedText.count(u'\f')),
              qlonglong(printedWords.size()));
        QString what;
        QVERIFY2(reportwords::holdsInOrder(printedWords, reportwords::reportTopics("Leo", "Scorpio", "She"), what),
                 qPrintable(what));

        // Ctrl+P on a screen: the preview shows every page that printing makes.
        KeepingWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int previewed = -1;
        QTimer::singleShot(0, &window, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QTRY_VERIFY(preview && preview->isVisible());
            previewed = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        });
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(previewed, int(printedText.count(u'\f')));
    }
};

QTEST_MAIN(TestReportPrint)
#include "test_reportprint.moc"
