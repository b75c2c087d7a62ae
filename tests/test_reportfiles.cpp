// Saving a report through the screens' command (Ctrl+S, the save dialog typed into) where it
// must fail, and where the typed name chooses the format: a failure shows a message naming the
// file and the reason, leaves a file already there as it was and no partial file beside it; a
// cancelled dialog writes nothing. The unwritable folder and the full disk are small tmpfs
// mounts when the test runs as root (root writes anywhere else); the full disk needs root.
// Printing where there is no printer says so.

#include "ScreenTestSupport.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

namespace {

QStringList folderListing(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestReportFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Ctrl+P where the print server has no printer (here: no server at all) says so plainly.
    void printingWithoutAPrinter() {
        QTemporaryDir nowhere;
        qputenv("CUPS_SERVER", QFile::encodeName(nowhere.filePath(QStringLiteral("no-server.sock"))));
        KeepingWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window));
        recordMessages();
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().text.startsWith(QStringLiteral("No printer is installed")),
                 qPrintable(messages().first().text));
        qunsetenv("CUPS_SERVER");
    }

    void saving_data() {
        QTest::addColumn<QString>("place");    // unwritable, missing, full, here
        QTest::addColumn<QString>("typed");    // the name typed into the dialog
        QTest::addColumn<bool>("existing");    // a file of that name is there before
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QByteArray>("written"); // how the new file starts; empty: must fail
        QTest::newRow("unwritable folder, file kept") << "unwritable" << "a.pdf" << true << false << QByteArray();
        QTest::newRow("missing folder") << "missing" << "a.pdf" << false << false << QByteArray();
        QTest::newRow("full disk, PDF, file kept") << "full" << "a.pdf" << true << false << QByteArray();
        QTest::newRow("full disk, ODT, file kept") << "full" << "a.odt" << true << false << QByteArray();
        QTest::newRow("cancelled, file kept") << "here" << "a.pdf" << true << true << QByteArray();
        QTest::newRow("typed .odt in the PDF dialog") << "here" << "b.odt" << false << false << QByteArray("PK");
        QTest::newRow("typed .txt replaces a file") << "here" << "c.txt" << true << false << QByteArray("Leo and Scorpio");
    }
    void saving() {
        QFETCH(QString, place);
        QFETCH(QString, typed);
        QFETCH(bool, existing);
        QFETCH(bool, cancel);
        QFETCH(QByteArray, written);
        const bool root = geteuid() == 0;
        if (place == QLatin1String("full") && !root)
            QSKIP("a full disk is a tmpfs mount, which needs root");

        QTemporaryDir temporary;
        QString folder = temporary.path();
        bool mounted = false;
        const auto unmount = qScopeGuard([&] { // before the temporary folder goes
            if (mounted)
                QProcess::execute(QStringLiteral("umount"), {folder});
        });
        if (place == QLatin1String("missing"))
            folder += QStringLiteral("/no such folder");
        if (root && place != QLatin1String("missing") && place != QLatin1String("here")) {
            mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", folder}) == 0;
            if (!mounted)
                QSKIP("cannot mount a tmpfs here");
        }
        const QString path = folder + u'/' + typed;
        const QByteArray kept("the reading kept last week\n");
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(kept);
        }
        if (place == QLatin1String("unwritable")) {
            if (root)
                QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", folder}), 0);
            else
                QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QStringList before = folderListing(folder);

        KeepingWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window));
        recordMessages();

        QString focused, proposed;
        QTimer dialogHand;
        connect(&dialogHand, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            dialogHand.stop();
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            proposed = dialog->selectedFiles().value(0);
            if (cancel) {
                dialog->reject();
                return;
            }
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        dialogHand.start(20);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!dialogHand.isActive());
        QCOMPARE(focused, QStringLiteral("fileNameEdit"));
        QCOMPARE(proposed, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                               QStringLiteral("/Leo and Scorpio - love analysis.pdf"));

        if (written.isEmpty()) {
            QCOMPARE(messages().size(), cancel ? 0 : 1);
            if (!cancel) {
                const QString text = messages().first().text;
                QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
                QVERIFY2(text.section(QStringLiteral(": "), 1).trimmed().size() > 3, qPrintable(text));
            }
            QCOMPARE(folderListing(folder), before);
            if (existing) {
                QFile old(path);
                QVERIFY(old.open(QIODevice::ReadOnly));
                QCOMPARE(old.readAll(), kept);
            }
        } else {
            QVERIFY2(messages().isEmpty(), qPrintable(messages().value(0).text));
            QFile made(path);
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY(made.read(written.size()) == written);
            QCOMPARE(folderListing(folder), QStringList{typed});
        }
    }
};

QTEST_MAIN(TestReportFiles)
#include "test_reportfiles.moc"
