#include "FakeSequencer.h"
#include "ScreenTestSupport.h"
#include "music/frmMusic.h"
#include "shell/AppState.h"
#include "shell/ProgramPath.h"
#include "shell/frmChoose.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

// The music as the program wires it: the chooser's Proceed, the hidden player host, the box read
// at the end of each song, and the shutdown at the end of the program.
class TestFrmMusic : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        m_sequencer = nullptr;
        shell::Screens::instance().add<shell::frmChoose>();
        registerStandIns({"frmPersonal"});
        music::installMusic([this] {
            auto sequencer = std::make_unique<FakeSequencer>();
            m_sequencer = sequencer.get();
            return sequencer;
        });
        // The recording end step of freshProgram stays; only the music operations changed.
        shell::ProgramEnd::setEndStep([] { ++programEndLog().ends; });
    }
    void cleanupTestCase() { freshProgram(); }

    void proceedStartsASongBesideTheProgram() {
        auto& chooser = shell::Screens::instance().get<shell::frmChoose>();
        chooser.Show();
        QVERIFY(!shell::Screens::instance().existing(QStringLiteral("frmMusic")));
        chooser.Command1_Click();
        QVERIFY(m_sequencer);
        QCOMPARE(m_sequencer->log.last(), QStringLiteral("Play"));
        QVERIFY(m_sequencer->fileName.startsWith(shell::Path() + QStringLiteral("/song")));
        QVERIFY(m_sequencer->fileName.endsWith(QStringLiteral(".msc")));
        QVERIFY(!shell::appState().MusicRestartPending);
        // The host window exists but is never shown.
        auto& host = shell::Screens::instance().get<music::frmMusic>();
        QVERIFY(host.isLoaded());
        QVERIFY(!host.isVisible());
    }

    void theEndOfASongReadsTheBox() {
        auto& chooser = shell::Screens::instance().get<shell::frmChoose>();
        chooser.Show();
        chooser.Command1_Click();
        m_sequencer->log.clear();
        chooser.window()->findChild<QCheckBox*>(QStringLiteral("chkMusic"))->setChecked(false);
        m_sequencer->finishSong();
        QCOMPARE(m_sequencer->log, QStringList({"Close", "type Sequencer"}));
        QVERIFY(!m_sequencer->isSongOpen());
    }

    void exitShutsAnOpenSongDown() {
        auto& chooser = shell::Screens::instance().get<shell::frmChoose>();
        chooser.Show();
        chooser.Command1_Click();
        m_sequencer->log.clear();
        shell::ExitProgram();
        QCOMPARE(m_sequencer->log, QStringList({"Stop", "Close"}));
        QCOMPARE(programEndLog().ends, 1);
    }

    void exitBeforeAnySongStillEnds() {
        auto& chooser = shell::Screens::instance().get<shell::frmChoose>();
        chooser.Show();
        chooser.window()->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QVERIFY(m_sequencer); // the end of the program creates the player host
        QVERIFY(m_sequencer->log.isEmpty());
        QCOMPARE(programEndLog().ends, 1);
    }

private:
    FakeSequencer* m_sequencer = nullptr;
};

QTEST_MAIN(TestFrmMusic)
#include "test_frmmusic.moc"
