#include "ScreenTestSupport.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using shell::Screen;
using shell::Screens;
using shell::WindowKind;

namespace {

class CountingScreen : public Screen {
public:
    CountingScreen(const QString& name, bool exitOnClose = false, WindowKind kind = WindowKind::FixedSingle)
        : Screen(name, kind), m_exitOnClose(exitOnClose) {}

    int loads = 0, activations = 0, unloads = 0, okClicks = 0, cancelClicks = 0, otherClicks = 0;
    QLineEdit* edit = nullptr;
    QPushButton* other = nullptr;

    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    void Form_Unload() override {
        ++unloads;
        if (m_exitOnClose)
            shell::ExitProgram();
    }

protected:
    void buildWindow(shell::ScreenWindow& window) override {
        window.resize(200, 120);
        edit = new QLineEdit(&window);
        auto* ok = new QPushButton(QStringLiteral("&OK"), &window);
        ok->setDefault(true);
        auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &window);
        cancel->setProperty("cancel", true);
        other = new QPushButton(QStringLiteral("&Other"), &window);
        ok->move(0, 40);
        cancel->move(0, 70);
        other->move(100, 40);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(cancel, &QPushButton::clicked, [this] { ++cancelClicks; });
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        window.adoptDesign();
    }
    void releaseWindow() override {
        edit = nullptr;
        other = nullptr;
    }

private:
    bool m_exitOnClose;
};

CountingScreen& screen(const char* name) {
    return static_cast<CountingScreen&>(Screens::instance().get(QString::fromLatin1(name)));
}

void registerCounting(const char* name, bool exitOnClose = false,
                      WindowKind kind = WindowKind::FixedSingle) {
    const QString n = QString::fromLatin1(name);
    Screens::instance().registerScreen(
        n, [n, exitOnClose, kind] { return std::make_unique<CountingScreen>(n, exitOnClose, kind); });
}

void sendActivation(Screen& s) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(s.window(), &deactivate);
    QApplication::sendEvent(s.window(), &activate);
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        registerCounting("frmA", true);
        registerCounting("frmB", true);
        registerCounting("frmAbout", false, WindowKind::FixedDialog);
    }
    void cleanupTestCase() { freshProgram(); }

    void oneInstanceCreatedOnFirstUse() {
        QVERIFY(!Screens::instance().existing("frmA"));
        Screen& first = Screens::instance().get("frmA");
        QCOMPARE(&Screens::instance().get("frmA"), &first);
        QVERIFY(!first.isLoaded());
        first.Show();
        first.Hide();
        first.Show();
        QCOMPARE(&Screens::instance().get("frmA"), &first);
    }

    void loadOnceActivateOnEveryShow() {
        CountingScreen& a = screen("frmA");
        a.Show();
        QCOMPARE(a.loads, 1);
        QCOMPARE(a.activations, 1);
        QVERIFY(a.isVisible());
        a.Show(); // already the active screen
        QCOMPARE(a.activations, 1);
        a.edit->setText(QStringLiteral("kept"));
        a.Hide();
        QVERIFY(a.isLoaded());
        QCOMPARE(Screens::instance().activeScreen(), nullptr);
        a.Show();
        QCOMPARE(a.loads, 1);
        QCOMPARE(a.activations, 2);
        QCOMPARE(a.edit->text(), QStringLiteral("kept"));
    }

    // A hidden screen gives its native window (and the pixels drawn for it) back; shown again,
    // it comes back where it was, as it was.
    void hiddenScreenComesBackAsItWas() {
        CountingScreen& a = screen("frmA");
        a.Show();
        QVERIFY(QTest::qWaitForWindowExposed(a.window()));
        a.window()->move(a.window()->pos() + QPoint(37, 21));
        const QPoint where = a.window()->pos();
        const Qt::WindowFlags flags = a.window()->windowFlags();
        a.window()->setWindowTitle(QStringLiteral("Title kept"));
        a.edit->setText(QStringLiteral("typed"));
        a.edit->setFocus();
        a.Hide();
        QVERIFY(!a.window()->windowHandle());
        QVERIFY(!a.window()->testAttribute(Qt::WA_WState_Created));
        a.Show();
        QVERIFY(QTest::qWaitForWindowExposed(a.window()));
        QVERIFY(a.window()->windowHandle());
        QCOMPARE(a.window()->pos(), where);
        QCOMPARE(a.window()->size(), QSize(200, 120));
        QCOMPARE(a.window()->windowFlags(), flags);
        QCOMPARE(a.window()->windowHandle()->title(), QStringLiteral("Title kept"));
        QCOMPARE(a.edit->text(), QStringLiteral("typed"));
        QCOMPARE(a.window()->focusWidget(), a.edit);
        QCOMPARE(a.activations, 2);
    }

    // A hand-over makes the next screen's window at once and shows the screen on the next turn
    // of the event loop, after what it is asked to do first.
    void showOnTheNextTurn() {
        CountingScreen& a = screen("frmA");
        int loadsWhenShown = -1;
        a.ShowOnNextTurn([&] { loadsWhenShown = ++a.loads; });
        QVERIFY(a.isLoaded());
        QVERIFY(a.window()->testAttribute(Qt::WA_WState_Created));
        QVERIFY(!a.isVisible());
        QCOMPARE(a.activations, 0);
        QTRY_VERIFY(a.isVisible());
        QCOMPARE(loadsWhenShown, 2); // loading ran Form_Load, then the callback
        QCOMPARE(a.activations, 1);
        QCOMPARE(Screens::instance().activeScreen(), &a);
    }

    void userReturnsFromAnotherScreen() {
        CountingScreen& a = screen("frmA");
        CountingScreen& about = screen("frmAbout");
        a.Show();
        QVERIFY(QTest::qWaitForWindowActive(a.window()));
        about.Show();
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        QCOMPARE(a.activations, 1);
        QCOMPARE(about.activations, 1);
        // The user clicks the screen beneath, then the About box again.
        a.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.window()));
        QCOMPARE(a.activations, 2);
        about.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        QCOMPARE(about.activations, 2);
        QCOMPARE(a.activations, 2);
    }

    void switchingProgramsRunsNothing() {
        CountingScreen& a = screen("frmA");
        a.Show();
        QVERIFY(QTest::qWaitForWindowActive(a.window()));
        sendActivation(a);
        sendActivation(a);
        QCOMPARE(a.activations, 1);
    }

    void lateActivationOfAnEarlierScreenIsIgnored() {
        CountingScreen& a = screen("frmA");
        CountingScreen& b = screen("frmB");
        a.Show();
        a.Hide();
        b.Show();
        sendActivation(a); // a hidden screen
        QApplication::processEvents();
        QCOMPARE(a.activations, 1);
        QCOMPARE(b.activations, 1);
        QCOMPARE(Screens::instance().activeScreen(), &b);
    }

    void closingTheAboutBoxReactivatesTheScreenBeneath() {
        CountingScreen& a = screen("frmA");
        CountingScreen& about = screen("frmAbout");
        a.Show();
        about.Show();
        QCOMPARE(a.activations, 1);
        about.window()->close();
        QCOMPARE(about.unloads, 1);
        QVERIFY(!about.isLoaded());
        QCOMPARE(a.activations, 2);
        QCOMPARE(Screens::instance().activeScreen(), &a);
        about.Show(); // loads afresh
        QCOMPARE(about.loads, 2);
        about.Unload();
        QCOMPARE(about.unloads, 1); // Unload itself runs no handler
        QCOMPARE(a.activations, 3);
    }

    void directCallLoadsWithoutShowing() {
        CountingScreen& b = screen("frmB");
        b.ensureLoaded();
        b.ensureLoaded();
        QCOMPARE(b.loads, 1);
        QVERIFY(!b.isVisible());
        QCOMPARE(b.activations, 0);
    }

    void closingAMainScreenEndsTheProgramOnce() {
        CountingScreen& a = screen("frmA");
        CountingScreen& about = screen("frmAbout");
        a.Show();
        about.Show();
        a.window()->close();
        QCOMPARE(a.unloads, 1);
        QCOMPARE(programEndLog().ends, 1);
        QVERIFY(shell::ProgramEnd::ended());
        // Nothing runs after the end: no unload, no activation, no second end.
        a.window()->close();
        about.window()->close();
        about.Hide();
        screen("frmB").Show();
        shell::ExitProgram();
        QCOMPARE(a.unloads, 1);
        QCOMPARE(about.unloads, 0);
        QCOMPARE(a.activations, 1);
        QVERIFY(!screen("frmB").isLoaded());
        QCOMPARE(programEndLog().ends, 1);
    }

    void enterAndEscape_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusOnOther");
        QTest::addColumn<int>("ok");
        QTest::addColumn<int>("cancel");
        QTest::addColumn<int>("other");
        QTest::newRow("Enter in an edit box clicks the default button") << int(Qt::Key_Return) << false << 1 << 0 << 0;
        QTest::newRow("keypad Enter too") << int(Qt::Key_Enter) << false << 1 << 0 << 0;
        QTest::newRow("Enter on another button clicks that one") << int(Qt::Key_Return) << true << 0 << 0 << 1;
        QTest::newRow("Esc clicks the cancel button") << int(Qt::Key_Escape) << false << 0 << 1 << 0;
    }
    void enterAndEscape() {
        QFETCH(int, key);
        QFETCH(bool, focusOnOther);
        QFETCH(int, ok);
        QFETCH(int, cancel);
        QFETCH(int, other);
        CountingScreen& a = screen("frmA");
        a.Show();
        QVERIFY(QTest::qWaitForWindowActive(a.window()));
        QWidget* target = focusOnOther ? static_cast<QWidget*>(a.other) : a.edit;
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        QTRY_COMPARE(a.okClicks + a.cancelClicks + a.otherClicks, 1);
        QCOMPARE(a.okClicks, ok);
        QCOMPARE(a.cancelClicks, cancel);
        QCOMPARE(a.otherClicks, other);
    }

    void windowsAreCentredAndNeverMaximized() {
        registerCounting("frmSizable", false, WindowKind::SizableNoMaximize);
        CountingScreen& s = screen("frmSizable");
        s.Show();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((s.window()->geometry().center() - area.center()).manhattanLength() <= 2);
        QVERIFY(!(s.window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        s.window()->showMaximized();
        QTRY_VERIFY(!(s.window()->windowState() & Qt::WindowMaximized));
    }

    void fixedWindowsKeepTheirDesignedSize() {
        CountingScreen& a = screen("frmA");
        a.Show();
        QCOMPARE(a.window()->minimumSize(), QSize(200, 120));
        QCOMPARE(a.window()->maximumSize(), QSize(200, 120));
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
