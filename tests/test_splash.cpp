// The splash on its own: the version the build defines, shown over the artwork on a frameless
// window for about a second and a half, then one "finished". Where the program goes next is
// test_program's.
#include "shell/ProgramPath.h"
#include "shell/Version.h"
#include "shell/frmSplash.h"

#include <QLabel>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void theSplashShowsTheBuildsVersion() {
        shell::frmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        auto* label = splash.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral(ZELVORIA_EXPECTED_VERSION));
        // Each number in decimal, without leading zeros.
        QCOMPARE(shell::versionText({10, 0, 12}), QStringLiteral("10.0.12"));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        // The label lies over the artwork, opaque white.
        const QImage shot = splash.grab().toImage();
        QCOMPARE(shot.pixelColor(label->geometry().topLeft() + QPoint(1, 1)), QColor(Qt::white));
    }

    void itFinishesOnceAfterAboutASecondAndAHalf() {
        shell::frmSplash splash;
        QSignalSpy finished(&splash, &shell::frmSplash::finished);
        QVERIFY(splash.tmrSplash().isActive());
        QVERIFY(splash.tmrSplash().remainingTime() > 1400);
        QVERIFY(splash.tmrSplash().remainingTime() < 1600);
        splash.tmrSplash().start(0);
        QVERIFY(finished.wait(1000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.tmrSplash().isActive()); // so it never comes back
    }

    void programDirectory_data() {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("directory");
        QTest::newRow("no trailing separator") << "/opt/zelvoria/bin/zelvoria" << "/opt/zelvoria/bin";
        QTest::newRow("a root directory keeps it") << "/zelvoria" << "/";
    }
    void programDirectory() {
        QFETCH(QString, programFile);
        QFETCH(QString, directory);
        QCOMPARE(shell::directoryOf(programFile), directory);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
