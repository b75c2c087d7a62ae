#include "ProgramDriver.h"
#include "shell/AppState.h"
#include "shell/ProgramPath.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/Startup.h"
#include "shell/SvgPicture.h"
#include "shell/Version.h"
#include "shell/frmSplash.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace shell;

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive::freshWholeProgram();
    }
    void cleanupTestCase() { freshProgram(); }

    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("this version") << 3 << 1 << 0 << "3.1.0";
        QTest::newRow("two digits, no leading zeros") << 10 << 0 << 12 << "10.0.12";
    }
    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(shell::versionText({major, minor, revision}), text);
    }

    void theProgramVersion() {
        QCOMPARE(VersionText(), QStringLiteral("3.1.0"));
        QCOMPARE(VersionCaption(), QStringLiteral("Zelvoria - Version 3.1.0"));
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
        QCOMPARE(directoryOf(programFile), directory);
    }

    // Only ExitProgram ends the program, even when the event loop is told to stop by others.
    void anEndedEventLoopEndsTheProgram() {
        freshProgram(); // recorded music operations, not the program's player
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        runEventLoop();
        QCOMPARE(programEndLog().ends, 1);
    }

    void startsWithTheSplashThenTheChooser() {
        appState().UserSign = QStringLiteral("Leo");
        QElapsedTimer clock;
        clock.start();
        startProgram();
        QCOMPARE(appState().UserSign, QString()); // a fresh state
        auto& splash = Screens::instance().get<frmSplash>();
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.versionLabel(), QStringLiteral("3.1.0"));
        QVERIFY(!Screens::instance().existing(QStringLiteral("frmChoose")));
        QVERIFY(splash.tmrSplash().isActive());
        QCOMPARE(splash.tmrSplash().interval(), 1500);

        Screen* chooser = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (chooser = Screens::instance().existing(QStringLiteral("frmChoose"))) && chooser->isVisible(),
            5000);
        QVERIFY(clock.elapsed() >= 1400);
        QVERIFY(!splash.isVisible());
        QVERIFY(splash.isLoaded());
        QVERIFY(!splash.tmrSplash().isActive());
        QCOMPARE(Screens::instance().activeScreen(), chooser);
        QCOMPARE(chooser->window()->windowTitle(), VersionCaption());
        QTest::qWait(1700); // it never comes back
        QVERIFY(!splash.isVisible());
        QCOMPARE(Screens::instance().existing(QStringLiteral("frmChoose")), chooser);
    }

    void splashLayout() {
        auto& splash = Screens::instance().get<frmSplash>();
        splash.Show();
        ScreenWindow* w = splash.window();
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->size(), QSize(455, 277));
        auto* label = w->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->geometry(), QRect(384, 192, 61, 20));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 15);
        // The label lies over the artwork and is opaque white, gray text.
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixelColor(label->geometry().topLeft() + QPoint(1, 1)), QColor(Qt::white));
        auto* art = w->findChild<SvgPicture*>(QStringLiteral("Image1"));
        QVERIFY(art && art->isValid());
        QCOMPARE(art->geometry(), QRect(0, 0, 455, 276));
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
