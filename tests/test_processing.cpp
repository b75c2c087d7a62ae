// The progress display: a count as a number and a bar; through the whole program, the count
// from 0 to 100 on every entry and the one hand-over to the love analysis, the count restarted
// by an activation, nothing more after the end. The real count runs once; elsewhere the tests
// hold its timer and emit its ticks.
#include "ProgramDriver.h"
#include "compat/frmProcessing.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QtTest>

using drive::program;

namespace {
QString percentOf(QWidget& w) { return w.findChild<QLabel*>(QStringLiteral("lblPercent"))->text(); }
QProgressBar& barOf(QWidget& w) { return *w.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")); }

// The road as far as the partner screen, "She" and "Scorpio" typed; the progress screen is made
// first, so that a test's own connections to it run after the program's.
bool reachThePartnerScreen() {
    drive::programWithRecordedMusic();
    if (!drive::reachMainMenu() || !drive::chooseSign(QStringLiteral("Leo")))
        return false;
    program().processing();
    drive::control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"))->click();
    drive::typeInto(drive::control<QComboBox>(QStringLiteral("frmMoreinfo"), QStringLiteral("cboGender")), "She");
    drive::typeInto(drive::control<QComboBox>(QStringLiteral("frmMoreinfo"), QStringLiteral("cboHoro")), "Scorpio");
    return drive::visible(QStringLiteral("frmMoreinfo"));
}
void proceed() { drive::control<QPushButton>(QStringLiteral("frmMoreinfo"), QStringLiteral("Command1"))->click(); }

// Proceed, the count held: it moves only by the ticks the test emits.
bool enterTheCountHeld() {
    if (!reachThePartnerScreen())
        return false;
    proceed();
    program().processing().stopCount();
    return drive::visible(QStringLiteral("frmProcessing"));
}
void tick(int times) {
    for (int i = 0; i < times; ++i)
        emit program().processing().tick();
}
} // namespace

class TestProcessing : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { drive::freshWholeProgram(); } // no window outlives the application

    void showsTheCountAsNumberAndBar_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("part") << 37;
        QTest::newRow("full") << 100;
    }
    void showsTheCountAsNumberAndBar() {
        QFETCH(int, count);
        compat::frmProcessing window;
        window.show();
        window.showCount(count);
        QCOMPARE(percentOf(window), QString::number(count));
        QProgressBar& bar = barOf(window);
        QCOMPARE(bar.value(), count);
        QCOMPARE(double(bar.value() - bar.minimum()) / (bar.maximum() - bar.minimum()), count / 100.0);
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    }

    // Proceed shows 0 at once; the timer's ticks show 1 to 100 on number and bar alike; the tick
    // after 100 stops the count and hides the screen, and the love analysis comes on the next
    // turn, once. The next entry shows 0 again before anything else.
    void theCountRunsFromZeroToHundredThenHandsOver() {
        QVERIFY(reachThePartnerScreen());
        compat::frmProcessing& processing = program().processing();
        QList<int> shown;
        int handOvers = 0;
        bool loveAlreadyUp = false;
        connect(&processing, &compat::frmProcessing::tick, this, [&] {
            if (processing.isVisible()) {
                shown << percentOf(processing).toInt();
                if (barOf(processing).value() != shown.last())
                    shown << -1; // number and bar disagree
            } else {
                ++handOvers;
                loveAlreadyUp = drive::visible(QStringLiteral("frmLove"));
            }
        });
        proceed();
        QCOMPARE(percentOf(processing), QStringLiteral("0"));
        QCOMPARE(barOf(processing).value(), 0);
        QVERIFY(processing.tmrPercent().isActive());
        QVERIFY(drive::spinUntil([] { return drive::visible(QStringLiteral("frmLove")); }));
        QList<int> expected;
        for (int n = 1; n <= 100; ++n)
            expected << n;
        QCOMPARE(shown, expected);
        QCOMPARE(handOvers, 1);
        QVERIFY(!loveAlreadyUp);
        QVERIFY(!processing.isVisible());
        QVERIFY(!processing.tmrPercent().isActive());
        QCOMPARE(program().state().progressCount, qint16(101));

        // Again: back to the personal analysis, More on love, Proceed.
        drive::control<QPushButton>(QStringLiteral("frmLove"), QStringLiteral("Command6"))->click();
        drive::control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"))->click();
        proceed();
        QCOMPARE(percentOf(processing), QStringLiteral("0"));
        QCOMPARE(barOf(processing).value(), 0);
        QCOMPARE(program().state().progressCount, qint16(1));
        QVERIFY(processing.tmrPercent().isActive());
        processing.stopCount();
    }

    // The progress screen becoming active again (here after an About box over it) counts from 0.
    void anActivationRestartsTheCount() {
        QVERIFY(enterTheCountHeld());
        tick(40);
        QCOMPARE(percentOf(program().processing()), QStringLiteral("40"));
        program().showAbout();
        drive::control<QPushButton>(QStringLiteral("frmAbout"), QStringLiteral("cmdOK"))->click();
        QCOMPARE(program().activeScreen(), &program().processing());
        QCOMPARE(percentOf(program().processing()), QStringLiteral("0"));
        QCOMPARE(program().state().progressCount, qint16(1));
        QVERIFY(program().processing().tmrPercent().isActive());
        program().processing().stopCount();
    }

    void closingDuringTheCountEndsItThere() {
        QVERIFY(enterTheCountHeld());
        tick(10);
        program().processing().close();
        QCOMPARE(drive::ends(), 1);
        tick(200);
        QCOMPARE(percentOf(program().processing()), QStringLiteral("10"));
        QCOMPARE(program().state().progressCount, qint16(11));
        QVERIFY(!drive::loadedScreen(QStringLiteral("frmLove")));
    }
};

QTEST_MAIN(TestProcessing)
#include "test_processing.moc"
