#include "ProgramDriver.h"
#include "compat/frmProcessing.h"
#include "shell/AppState.h"
#include "shell/ScreenWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

using namespace shell;
using compat::frmProcessing;

namespace {

// Stands in for the love screen and records how the progress screen hands over to it.
class LoveStandIn : public StandInScreen {
public:
    LoveStandIn() : StandInScreen(QStringLiteral("frmLove")) {}
    int loads = 0, activations = 0;
    bool visibleAtLoad = true;
    bool processingHiddenAtLoad = false;
    void Form_Load() override {
        ++loads;
        visibleAtLoad = isVisible();
        processingHiddenAtLoad = !Screens::instance().get<frmProcessing>().isVisible();
    }
    void Form_Activate() override {
        ++activations;
        StandInScreen::Form_Activate();
    }
};

frmProcessing& processing() { return Screens::instance().get<frmProcessing>(); }
LoveStandIn& love() { return static_cast<LoveStandIn&>(Screens::instance().get(QStringLiteral("frmLove"))); }
template <class T> T* control(const char* name) { return drive::control<T>("frmProcessing", name); }

struct Shown {
    int count;
    QString label;
    int bar;
};

// What the screen shows at every tick that shows something.
QList<Shown>& shown() {
    static QList<Shown> list;
    return list;
}

void record() {
    QObject::connect(&processing(), &frmProcessing::percentShown, &processing(), [](int count) {
        shown() << Shown{count, processing().percentLabel(), processing().barValue()};
    });
}

// What the partner screen's Proceed does.
void enterAsThePartnerScreenDoes() {
    processing().Show();
    appState().ProgressCount = 0;
    processing().enableTimer();
    processing().tmrPercent_Timer();
}

QList<int> counts() {
    QList<int> list;
    for (const Shown& s : shown())
        list << s.count;
    return list;
}

} // namespace

class TestProcessing : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        shown().clear();
        Screens::instance().add<frmProcessing>();
        Screens::instance().registerScreen(QStringLiteral("frmLove"),
                                           [] { return std::make_unique<LoveStandIn>(); });
    }
    void cleanupTestCase() { freshProgram(); }

    void design() {
        processing().ensureLoaded();
        record();
        ScreenWindow* w = processing().window();
        QVERIFY(processing().tmrPercent().isActive()); // running from the moment it loads
        QCOMPARE(processing().tmrPercent().interval(), 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Calculating Compatibility . . ."));
        QCOMPARE(w->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(w->size(), QSize(408, 128));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("%  Complete"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("please wait..."));
        QCOMPARE(control<QProgressBar>("ProgressBar1")->minimum(), 0);
        QCOMPARE(control<QProgressBar>("ProgressBar1")->maximum(), 100);
        // The bar lies above the number, the number ends where "%  Complete" begins.
        QVERIFY(control<QProgressBar>("ProgressBar1")->geometry().bottom() <
                control<QLabel>("lblPercent")->geometry().top());
        QCOMPARE(control<QLabel>("lblPercent")->geometry().right() + 1,
                 control<QLabel>("Label2")->geometry().left());
        QVERIFY(control<QLabel>("lblPercent")->alignment() & Qt::AlignRight);
        // The caption stays fixed through an activation.
        processing().Show();
        QCOMPARE(w->windowTitle(), QStringLiteral("Calculating Compatibility . . ."));
        QCOMPARE(shown().size(), 1);
    }

    void anEntryCountsFromZeroToHundredAndHandsOverOnce() {
        processing().ensureLoaded();
        record();
        enterAsThePartnerScreenDoes();
        QCOMPARE(counts(), (QList<int>{0, 0})); // both direct ticks, before any timer tick
        QTRY_VERIFY(love().isVisible());
        QCOMPARE(counts(), drive::progressCounts());
        for (const Shown& s : shown()) {
            QCOMPARE(s.label, QString::number(s.count));
            QCOMPARE(s.bar, s.count);
        }
        QCOMPARE(love().loads, 2); // loading runs it, then the hand-over calls it
        QVERIFY(!love().visibleAtLoad);
        QVERIFY(love().processingHiddenAtLoad);
        QCOMPARE(love().activations, 1);
        QVERIFY(!processing().isVisible());
        QVERIFY(processing().isLoaded()); // hidden, not closed
        QVERIFY(!processing().tmrPercent().isActive());
        QCOMPARE(appState().ProgressCount, qint16(101));
        QCOMPARE(processing().percentLabel(), QStringLiteral("100"));
        QTest::qWait(50);
        QCOMPARE(shown().size(), 102);
        QCOMPARE(love().loads, 2);
        QCOMPARE(love().activations, 1);
        QCOMPARE(appState().ProgressCount, qint16(101));
        QCOMPARE(programEndLog().ends, 0);
    }

    void aSecondRunStartsAgainFromZero() {
        processing().ensureLoaded();
        record();
        enterAsThePartnerScreenDoes();
        QTRY_VERIFY(love().isVisible());
        love().Hide();
        shown().clear();
        // The stored "100" is replaced by the activation's tick before anything else is seen.
        processing().Show();
        QCOMPARE(processing().percentLabel(), QStringLiteral("0"));
        QCOMPARE(processing().barValue(), 0);
        appState().ProgressCount = 0;
        processing().enableTimer();
        processing().tmrPercent_Timer();
        QTRY_COMPARE(love().loads, 3);
        QCOMPARE(counts(), drive::progressCounts());
        QVERIFY(!processing().tmrPercent().isActive());
    }

    void everyActivationRestartsTheCount() {
        registerStandIns({"frmAbout"});
        processing().ensureLoaded();
        record();
        enterAsThePartnerScreenDoes();
        QTRY_VERIFY(appState().ProgressCount > 40);
        processing().tmrPercent().stop(); // hold the count while the user goes elsewhere
        Screens::instance().get(QStringLiteral("frmAbout")).Show();
        QVERIFY(processing().isVisible());
        shown().clear();
        processing().Show(); // back on the progress screen
        QCOMPARE(counts(), QList<int>{0});
        QVERIFY(processing().tmrPercent().isActive());
        QTRY_VERIFY(love().isVisible());
        QCOMPARE(counts().size(), 101);
        QCOMPARE(love().activations, 1);
    }

    void closingDuringTheCountEndsTheProgram() {
        processing().ensureLoaded();
        record();
        enterAsThePartnerScreenDoes();
        QTRY_VERIFY(appState().ProgressCount > 10);
        processing().window()->close();
        QCOMPARE(programEndLog().musicShutdowns, 1);
        QCOMPARE(programEndLog().ends, 1);
        QVERIFY(!processing().tmrPercent().isActive());
        const qint16 count = appState().ProgressCount;
        QTest::qWait(30);
        QCOMPARE(appState().ProgressCount, count);
        QVERIFY(!Screens::instance().existing(QStringLiteral("frmLove")));
    }
};

QTEST_MAIN(TestProcessing)
#include "test_processing.moc"
