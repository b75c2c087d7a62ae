#include "ProgramDriver.h"
#include "about/frmAbout.h"
#include "shell/MessageBox.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

using namespace about;
using shell::Screens;

namespace {

// The analysis screen the About screen is opened from.
class BeneathScreen : public StandInScreen {
public:
    BeneathScreen() : StandInScreen(QStringLiteral("frmBeneath")) {}
    int activations = 0;
    void Form_Activate() override {
        StandInScreen::Form_Activate();
        ++activations;
    }
};

struct RecordingSystem : SystemServices {
    bool toolInstalled = true;
    QStringList starts;
    QString findExecutable(const QString&) override {
        return toolInstalled ? QStringLiteral("/usr/bin/infotool") : QString();
    }
    bool isNormalFile(const QString&) override { return false; }
    bool startDetached(const QString& path) override {
        starts << path;
        return true;
    }
};

struct RecordingOpener : LinkOpener {
    bool succeeds = true;
    QStringList opened;
    bool open(const QString& address, std::function<void()>) override {
        opened << address;
        return succeeds;
    }
};

RecordingSystem& fakeSystem() {
    static RecordingSystem system;
    return system;
}
RecordingOpener& fakeOpener() {
    static RecordingOpener opener;
    return opener;
}

BeneathScreen& beneath() {
    return static_cast<BeneathScreen&>(Screens::instance().get(QStringLiteral("frmBeneath")));
}
frmAbout& aboutScreen() { return Screens::instance().get<frmAbout>(); }
template <class T> T* control(const char* name) { return drive::control<T>("frmAbout", name); }
QString versionLabel() { return control<QLabel>("lblVersion")->text(); }
const QString kVersionLine = QStringLiteral("Version " ZELVORIA_VERSION);

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        fakeSystem() = RecordingSystem{};
        fakeOpener() = RecordingOpener{};
        auto& screens = Screens::instance();
        screens.registerScreen(QStringLiteral("frmBeneath"),
                               [] { return std::make_unique<BeneathScreen>(); });
        screens.registerScreen(QStringLiteral("frmAbout"), [] {
            auto screen = std::make_unique<frmAbout>();
            screen->setServices(fakeSystem(), fakeOpener());
            return screen;
        });
        beneath().Show();
        QVERIFY(QTest::qWaitForWindowActive(beneath().window()));
        Screens::instance().get(QStringLiteral("frmAbout")).Show();
        QVERIFY(QTest::qWaitForWindowActive(aboutScreen().window()));
    }
    void cleanupTestCase() { freshProgram(); shell::setMessageSink({}); }

    void firstAppearance() {
        shell::ScreenWindow* window = aboutScreen().window();
        QCOMPARE(versionLabel(), kVersionLine);
        QCOMPARE(window->windowType(), Qt::Dialog);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>("cmdOK"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral(ZELVORIA_HOMEPAGE));
        // The opener stays usable beneath it.
        QVERIFY(beneath().isVisible());
    }

    void versionLineWithTwoDigitNumbers() {
        QCOMPARE(frmAbout::versionLine({10, 0, 12}), QStringLiteral("Version 10.0.12"));
    }

    void versionRefreshedOnEveryActivation() {
        control<QLabel>("lblVersion")->setText(QStringLiteral("stale"));
        beneath().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(beneath().window()));
        QCOMPARE(versionLabel(), QStringLiteral("stale"));
        aboutScreen().window()->activateWindow(); // the user clicks the About box again
        QVERIFY(QTest::qWaitForWindowActive(aboutScreen().window()));
        QCOMPARE(versionLabel(), kVersionLine);
    }

    void askingAgainBringsTheOneInstanceToTheFront() {
        shell::ScreenWindow* first = aboutScreen().window();
        first->setProperty("marker", true);
        beneath().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(beneath().window()));
        Screens::instance().get(QStringLiteral("frmAbout")).Show();
        QVERIFY(QTest::qWaitForWindowActive(first));
        QCOMPARE(aboutScreen().window(), first);
        QVERIFY(first->property("marker").toBool());
        int aboutWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutWindows += w->isVisible() && w->objectName() == QStringLiteral("frmAbout");
        QCOMPARE(aboutWindows, 1);
    }

    void closingUnloadsAndReactivatesTheScreenBeneath_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK clicked") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("close box") << "close";
        QTest::newRow("closed by the window system") << "system";
    }
    void closingUnloadsAndReactivatesTheScreenBeneath() {
        QFETCH(QString, how);
        aboutScreen().window()->setProperty("marker", true);
        const int activationsBefore = beneath().activations;
        QWidget* focus = QApplication::focusWidget();
        if (how == QLatin1String("click"))
            QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(focus, Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            aboutScreen().window()->close();
        else
            aboutScreen().window()->windowHandle()->close();
        QTRY_VERIFY(!aboutScreen().isLoaded());
        QCOMPARE(beneath().activations, activationsBefore + 1);
        QCOMPARE(Screens::instance().activeScreen(), &beneath());
        QVERIFY(beneath().isVisible());
        QVERIFY(fakeSystem().starts.isEmpty());

        // The next request builds it afresh.
        aboutScreen().Show();
        QVERIFY(QTest::qWaitForWindowActive(aboutScreen().window()));
        QVERIFY(!aboutScreen().window()->property("marker").isValid());
        QCOMPARE(versionLabel(), kVersionLine);
    }

    void enterOnSystemInfoStartsTheTool_data() {
        QTest::addColumn<bool>("byAccessKey");
        QTest::newRow("Enter while focused") << false;
        QTest::newRow("Alt+S") << true;
    }
    void enterOnSystemInfoStartsTheTool() {
        QFETCH(bool, byAccessKey);
        auto* sysInfo = control<QPushButton>("cmdSysInfo");
        if (byAccessKey) {
            QTest::keyClick(aboutScreen().window(), Qt::Key_S, Qt::AltModifier);
        } else {
            sysInfo->setFocus();
            QTest::keyClick(sysInfo, Qt::Key_Return);
        }
        QTRY_COMPARE(fakeSystem().starts, QStringList{QStringLiteral("/usr/bin/infotool")});
        QTest::qWait(150);
        QVERIFY(aboutScreen().isVisible());
        QVERIFY(messages().isEmpty());
    }

    void systemInfoUnavailable() {
        fakeSystem().toolInstalled = false;
        control<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(aboutScreen().isVisible());
    }

    void clickingTheAddressOpensIt_data() {
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<int>("warnings");
        QTest::newRow("opened") << true << 0;
        QTest::newRow("no handler") << false << 1;
    }
    void clickingTheAddressOpensIt() {
        QFETCH(bool, succeeds);
        QFETCH(int, warnings);
        fakeOpener().succeeds = succeeds;
        QTest::mouseClick(control<QLabel>("Label1"), Qt::LeftButton);
        QCOMPARE(fakeOpener().opened, QStringList{QStringLiteral(ZELVORIA_HOMEPAGE)});
        QCOMPARE(messages().size(), warnings);
        QVERIFY(aboutScreen().isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
