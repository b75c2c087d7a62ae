// The rules that span screens, through the whole program: which screen is active and what
// becoming active does, hand-overs, the About box, the end of the program; and what every
// screen's window does alike (Enter and Esc, centring, no maximizing, fixed sizes).
#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "compat/frmMoreinfo.h"
#include "personal/PersonalContent.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using drive::control;
using drive::program;
using drive::visible;

namespace {
QRadioButton* personalTopic(int n) {
    return control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option%1").arg(n));
}
QWidget& window(const char* name) { return drive::screen(QString::fromLatin1(name)); }

void sendActivation(QWidget& window) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &deactivate);
    QApplication::sendEvent(&window, &activate);
}
} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive::programWithRecordedMusic();
        QVERIFY(drive::reachMainMenu());
    }
    void cleanupTestCase() { drive::freshWholeProgram(); }

    void splashGivesWayOnceAndForAll() {
        drive::programWithRecordedMusic();
        program().start();
        shell::frmSplash& splash = program().splash();
        QCOMPARE(drive::visibleScreens(), QStringList{"frmSplash"});
        QVERIFY(!drive::loadedScreen(QStringLiteral("frmChoose")));
        QVERIFY(splash.tmrSplash().isActive());
        QVERIFY(splash.tmrSplash().remainingTime() > 1000);
        splash.tmrSplash().start(0);
        // The chooser's window is made at the tick, and shown on the next turn.
        QTRY_VERIFY_WITH_TIMEOUT(drive::loadedScreen(QStringLiteral("frmChoose")), 3000);
        QVERIFY(!splash.isVisible());
        QTRY_VERIFY(visible("frmChoose"));
        QCOMPARE(program().activeScreen(), &window("frmChoose"));
        QVERIFY(!splash.tmrSplash().isActive());
    }

    void showingActivatesOnceAndHidingKeepsTheState() {
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        personalTopic(3)->click();
        const QString quality = personal::BuildQualityText(QStringLiteral("Leo")).value();
        QCOMPARE(drive::paneText(window("frmPersonal")), quality);
        // Coming back from another program runs nothing: the topic stays.
        QVERIFY(QTest::qWaitForWindowActive(&window("frmPersonal")));
        sendActivation(window("frmPersonal"));
        QVERIFY(personalTopic(3)->isChecked());
        // Main Menu and back: the personal screen is the same window, activated afresh.
        QWidget* personalWindow = &window("frmPersonal");
        control<QPushButton>(QStringLiteral("frmPersonal"), QStringLiteral("Command10"))->click();
        QCOMPARE(drive::visibleScreens(), QStringList{"frmChoose"});
        QCOMPARE(control<QComboBox>(QStringLiteral("frmChoose"), QStringLiteral("cboHoro"))->currentText(),
                 QStringLiteral("Leo"));
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        QCOMPARE(&window("frmPersonal"), personalWindow);
        QVERIFY(personalTopic(1)->isChecked());
    }

    // The user comes back to the analysis from the About box: by clicking it, or by closing the
    // box (OK or its frame); each time the analysis starts again on its first topic.
    void returningFromTheAboutBoxActivatesAgain_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click the screen beneath") << "click";
        QTest::newRow("OK") << "ok";
        QTest::newRow("close box") << "close";
    }
    void returningFromTheAboutBoxActivatesAgain() {
        QFETCH(QString, how);
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        personalTopic(4)->click();
        control<QPushButton>(QStringLiteral("frmPersonal"), QStringLiteral("Command8"))->click();
        QWidget* about = &window("frmAbout");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QVERIFY(personalTopic(4)->isChecked());
        if (how == QLatin1String("click"))
            window("frmPersonal").activateWindow();
        else if (how == QLatin1String("ok"))
            control<QPushButton>(QStringLiteral("frmAbout"), QStringLiteral("cmdOK"))->click();
        else
            about->close();
        QTRY_VERIFY(personalTopic(1)->isChecked());
        QCOMPARE(program().activeScreen(), &window("frmPersonal"));
        QCOMPARE(program().aboutIsOpen(), how == QLatin1String("click"));
        if (how != QLatin1String("click")) {
            // Closed, the box is made afresh next time.
            QPointer<QWidget> old(about);
            drive::settle();
            QVERIFY(!old);
            program().showAbout();
            QVERIFY(visible("frmAbout"));
        }
    }

    void aLateActivationOfAHiddenScreenIsIgnored() {
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        personalTopic(2)->click();
        sendActivation(window("frmChoose"));
        QCOMPARE(program().activeScreen(), &window("frmPersonal"));
        QVERIFY(personalTopic(2)->isChecked());
    }

    void theMusicFollowsTheBoxOnlyAfterTheAnalysisIsUp_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("ticked: a song") << true << QStringList{"play"};
        QTest::newRow("clear: silence") << false << QStringList{"stop"};
    }
    void theMusicFollowsTheBoxOnlyAfterTheAnalysisIsUp() {
        QFETCH(bool, ticked);
        QFETCH(QStringList, commands);
        control<QCheckBox>(QStringLiteral("frmChoose"), QStringLiteral("chkMusic"))->setChecked(ticked);
        QVERIFY(drive::chooseSign(QStringLiteral("Gemini")));
        QStringList log = drive::recordedMusic().log;
        for (QString& line : log)
            line = line.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(log, commands);
        // A second Proceed with the box ticked starts no second song; after a clear one it does.
        drive::recordedMusic().log.clear();
        control<QPushButton>(QStringLiteral("frmPersonal"), QStringLiteral("Command10"))->click();
        control<QCheckBox>(QStringLiteral("frmChoose"), QStringLiteral("chkMusic"))->setChecked(true);
        QVERIFY(drive::chooseSign(QStringLiteral("Gemini")));
        QCOMPARE(drive::recordedMusic().isPlaying(), true);
        QCOMPARE(drive::recordedMusic().log.size(), ticked ? 0 : 1);
    }

    void theEndRunsOnceAndNothingAfterIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit on the main menu") << "exit";
        QTest::newRow("closing the main menu") << "close";
        QTest::newRow("closing the analysis under the About box") << "close under about";
    }
    void theEndRunsOnceAndNothingAfterIt() {
        QFETCH(QString, how);
        if (how == QLatin1String("exit")) {
            control<QPushButton>(QStringLiteral("frmChoose"), QStringLiteral("Command2"))->click();
        } else if (how == QLatin1String("close")) {
            window("frmChoose").close();
        } else {
            QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
            program().showAbout();
            window("frmPersonal").close();
        }
        QCOMPARE(drive::ends(), 1);
        QVERIFY(program().ended());
        // Nothing runs after the end: no hand-over, no activation, no second end.
        const QStringList shown = drive::visibleScreens();
        for (QWidget* screen : program().madeScreens())
            screen->close();
        control<QPushButton>(QStringLiteral("frmChoose"), QStringLiteral("Command1"))->click();
        program().end();
        QCOMPARE(drive::visibleScreens(), shown);
        QCOMPARE(drive::ends(), 1);
    }

    void enterAndEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("Enter in a combo box: the default button") << "cboHoro" << int(Qt::Key_Return) << "frmProcessing";
        QTest::newRow("keypad Enter too") << "cboGender" << int(Qt::Key_Enter) << "frmProcessing";
        QTest::newRow("Enter on another button: that one") << "Command2" << int(Qt::Key_Return) << "frmPersonal";
        QTest::newRow("Esc: the cancel button") << "cboHoro" << int(Qt::Key_Escape) << "frmPersonal";
    }
    void enterAndEscape() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, next);
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        personalTopic(7)->click();
        QVERIFY(QTest::qWaitForWindowActive(&window("frmMoreinfo")));
        QWidget* target = control(QStringLiteral("frmMoreinfo"), focus);
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        QTRY_VERIFY(visible(next));
        QVERIFY(!visible("frmMoreinfo"));
    }

    // A hidden screen gives its native window (and the pixels drawn for it) back; shown again,
    // it comes back where it was, as it was.
    void aHiddenScreenComesBackAsItWas() {
        QWidget& chooser = window("frmChoose");
        chooser.move(chooser.pos() + QPoint(37, 21));
        const QPoint where = chooser.pos();
        const QSize size = chooser.size();
        drive::typeInto(control<QComboBox>(QStringLiteral("frmChoose"), QStringLiteral("cboHoro")), "Taurus");
        QVERIFY(drive::chooseSign(QStringLiteral("Taurus")));
        QVERIFY(!chooser.windowHandle());
        control<QPushButton>(QStringLiteral("frmPersonal"), QStringLiteral("Command10"))->click();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(chooser.pos(), where);
        QCOMPARE(chooser.size(), size);
        QCOMPARE(chooser.windowHandle()->title(), chooser.windowTitle());
        QCOMPARE(control<QComboBox>(QStringLiteral("frmChoose"), QStringLiteral("cboHoro"))->currentText(),
                 QStringLiteral("Taurus"));
    }

    void windowsAreCentredFixedOrNeverMaximized() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget& chooser = window("frmChoose");
        QVERIFY((chooser.frameGeometry().center() - area.center()).manhattanLength() <= 4);
        QVERIFY(!(chooser.windowFlags() & Qt::WindowMaximizeButtonHint));
        chooser.showMaximized();
        QTRY_VERIFY(!(chooser.windowState() & Qt::WindowMaximized));
        QWidget& progress = window("frmProcessing");
        QCOMPARE(progress.minimumSize(), progress.maximumSize());
    }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
