// The About box on its own, with the outside services recorded: what it shows, what closes it,
// and the keys that start the system information tool. Its actions when the world outside fails
// are test_failurematrix's (through the box) and test_aboutlookups'; what closing it does to the
// screen beneath is the program's (test_program).
#include "ProgramDriver.h"
#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

using namespace about;

namespace {

struct RecordingSystem : SystemServices {
    QStringList starts;
    QString findExecutable(const QString&) override { return QStringLiteral("/usr/bin/infotool"); }
    bool isNormalFile(const QString&) override { return false; }
    bool startDetached(const QString& path) override {
        starts << path;
        return true;
    }
};

struct QuietOpener : LinkOpener {
    bool open(const QString&, std::function<void()>) override { return true; }
};

const QString kVersionLine = QStringLiteral("Version " ZELVORIA_VERSION);

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
    RecordingSystem m_system;
    QuietOpener m_opener;
    std::unique_ptr<frmAbout> m_about;

    template <class T> T* control(const char* name) { return m_about->findChild<T*>(QString::fromLatin1(name)); }

private slots:
    void init() {
        recordMessages();
        m_system = RecordingSystem{};
        m_about = std::make_unique<frmAbout>(m_system, m_opener);
        m_about->show();
        QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    }
    void cleanup() { m_about.reset(); }

    void firstAppearance() {
        QCOMPARE(control<QLabel>("lblVersion")->text(), kVersionLine);
        QCOMPARE(m_about->windowType(), Qt::Dialog);
        QVERIFY(!(m_about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>("cmdOK"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral(ZELVORIA_HOMEPAGE));
    }

    void versionLineWithTwoDigitNumbers() {
        QCOMPARE(frmAbout::versionLine({10, 0, 12}), QStringLiteral("Version 10.0.12"));
    }

    void everyWayOfClosingSaysClosed_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK clicked") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("close box") << "close";
        QTest::newRow("closed by the window system") << "system";
    }
    void everyWayOfClosingSaysClosed() {
        QFETCH(QString, how);
        QSignalSpy closed(m_about.get(), &frmAbout::closed);
        QWidget* focus = QApplication::focusWidget();
        if (how == QLatin1String("click"))
            QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(focus, Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            m_about->close();
        else
            m_about->windowHandle()->close();
        QTRY_COMPARE(closed.count(), 1);
        QVERIFY(m_system.starts.isEmpty());
    }

    void enterOnSystemInfoStartsTheTool_data() {
        QTest::addColumn<bool>("byAccessKey");
        QTest::newRow("Enter while focused") << false;
        QTest::newRow("Alt+S") << true;
    }
    void enterOnSystemInfoStartsTheTool() {
        QFETCH(bool, byAccessKey);
        QSignalSpy closed(m_about.get(), &frmAbout::closed);
        auto* sysInfo = control<QPushButton>("cmdSysInfo");
        if (byAccessKey) {
            QTest::keyClick(m_about.get(), Qt::Key_S, Qt::AltModifier);
        } else {
            sysInfo->setFocus();
            QTest::keyClick(sysInfo, Qt::Key_Return);
        }
        QTRY_COMPARE(m_system.starts, QStringList{QStringLiteral("/usr/bin/infotool")});
        QVERIFY(messages().isEmpty());
        QCOMPARE(closed.count(), 0);
    }

    // Asked for again while open, the program brings the one box to the front.
    void askingAgainBringsTheOneBoxToTheFront() {
        ProgramServices services;
        services.system = &m_system;
        services.links = &m_opener;
        Program& program = drive::freshWholeProgram(std::move(services));
        program.showAbout();
        frmAbout* first = &program.about();
        program.showAbout();
        QCOMPARE(&program.about(), first);
        int aboutWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutWindows += w->isVisible() && w->objectName() == QStringLiteral("frmAbout");
        QCOMPARE(aboutWindows, 1 + int(m_about->isVisible()));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
