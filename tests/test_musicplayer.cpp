#include "FakeSequencer.h"
#include "music/MusicPlayer.h"
#include "shell/AppState.h"

#include <QtTest>

using music::MusicPlayer;

namespace {
struct Rig {
    FakeSequencer sequencer;
    bool boxTicked = true;
    QList<double> draws;
    MusicPlayer player{sequencer, {[] { return QStringLiteral("/opt/zelvoria"); },
                                   [this] { return boxTicked; },
                                   [this] { return draws.isEmpty() ? 0.0 : draws.takeFirst(); }}};

    // What the chooser's Proceed does with the box.
    void proceed(bool ticked) {
        boxTicked = ticked;
        if (ticked) {
            player.StartMusic();
        } else {
            player.StopMusic();
            shell::appState().MusicRestartPending = true;
        }
    }
};

const QStringList kPlaySong7{"Close", "type Sequencer", "file /opt/zelvoria/song7.msc", "Open", "Play"};
} // namespace

class TestMusicPlayer : public QObject {
    Q_OBJECT
private slots:
    void init() { shell::appState() = shell::AppState{}; }

    void songPaths_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        QTest::newRow("first") << "/opt/zelvoria" << 1 << "/opt/zelvoria/song1.msc";
        QTest::newRow("ninth, no leading zero") << "/opt/zelvoria" << 9 << "/opt/zelvoria/song9.msc";
        QTest::newRow("tenth") << "/opt/zelvoria" << 10 << "/opt/zelvoria/song10.msc";
        QTest::newRow("last") << "/opt/zelvoria" << 20 << "/opt/zelvoria/song20.msc";
        QTest::newRow("root directory") << "/" << 3 << "/song3.msc";
    }
    void songPaths() {
        QFETCH(QString, directory);
        QFETCH(int, number);
        QFETCH(QString, path);
        QCOMPARE(music::songPath(directory, number), path);
    }

    void songNumbers_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("song");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just below a twentieth") << 0.0499999 << 1;
        QTest::newRow("a twentieth") << 0.05 << 2;
        QTest::newRow("middle") << 0.5 << 11;
        QTest::newRow("just below one") << 0.9999999 << 20;
    }
    void songNumbers() {
        QFETCH(double, r);
        QFETCH(int, song);
        QCOMPARE(music::songNumberFor(r), song);
    }

    // Every song about equally often, and the same song twice in a row now and then.
    void drawsAreUniformAndRepeat() {
        constexpr int draws = 20000;
        QList<int> counts(music::SongCount + 1, 0);
        int repeats = 0;
        int previous = 0;
        for (int i = 0; i < draws; ++i) {
            const double r = music::clockSeededDraw();
            QVERIFY(r >= 0.0 && r < 1.0);
            const int song = music::songNumberFor(r);
            ++counts[song];
            repeats += song == previous ? 1 : 0;
            previous = song;
        }
        for (int song = 1; song <= music::SongCount; ++song)
            QVERIFY2(counts[song] > 800 && counts[song] < 1200, qPrintable(QString::number(counts[song])));
        QVERIFY(repeats > 500 && repeats < 1500);
    }

    void songEndPicksTheNextWhileTheBoxIsTicked() {
        Rig rig;
        rig.draws = {0.3, 0.95};
        rig.player.MMControl1_Done(1);
        QCOMPARE(rig.sequencer.log, kPlaySong7);
        rig.sequencer.log.clear();
        rig.sequencer.finishSong();
        QCOMPARE(rig.sequencer.log.last(), QStringLiteral("Play"));
        QCOMPARE(rig.sequencer.fileName, QStringLiteral("/opt/zelvoria/song20.msc"));
    }

    void songEndWithTheBoxClearStaysClosed() {
        Rig rig;
        rig.boxTicked = false;
        rig.sequencer.open = true;
        rig.sequencer.finishSong();
        QCOMPARE(rig.sequencer.log, QStringList({"Close", "type Sequencer"}));
        QVERIFY(!rig.sequencer.isSongOpen());
    }

    void shutdownOnlyActsOnAnOpenSong_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("a song is open") << true << QStringList{"Stop", "Close"};
        QTest::newRow("nothing open") << false << QStringList{};
    }
    void shutdownOnlyActsOnAnOpenSong() {
        QFETCH(bool, open);
        QFETCH(QStringList, log);
        Rig rig;
        rig.sequencer.open = open;
        rig.player.ShutdownMusic();
        QCOMPARE(rig.sequencer.log, log);
    }

    // Armed, Playing and Silent, as Proceed and the ends of songs move between them.
    void proceedSequences() {
        Rig rig;
        shell::appState().MusicRestartPending = true; // the chooser has loaded: armed
        rig.draws = {0.3};
        rig.proceed(true);
        QCOMPARE(rig.sequencer.log, kPlaySong7);
        QVERIFY(!shell::appState().MusicRestartPending);

        rig.sequencer.log.clear();
        rig.proceed(true); // playing: unchanged
        QVERIFY(rig.sequencer.log.isEmpty());

        rig.proceed(false); // stops at once, armed again
        QCOMPARE(rig.sequencer.log, QStringList({"Stop", "Close"}));
        QVERIFY(shell::appState().MusicRestartPending);

        rig.sequencer.log.clear();
        rig.draws = {0.3};
        rig.proceed(true); // a new song
        QCOMPARE(rig.sequencer.log, kPlaySong7);

        rig.boxTicked = false; // cleared without Proceed: the song plays to its end
        rig.sequencer.finishSong();
        QVERIFY(!rig.sequencer.isSongOpen()); // silent
        rig.sequencer.log.clear();
        rig.proceed(true); // silent stays silent
        QVERIFY(rig.sequencer.log.isEmpty());
        rig.proceed(false);
        rig.sequencer.log.clear();
        rig.draws = {0.3};
        rig.proceed(true); // cleared once with Proceed, then ticked: music again
        QCOMPARE(rig.sequencer.log, kPlaySong7);
    }

    void firstProceedWithTheBoxClearStopsAndStaysArmed() {
        Rig rig;
        shell::appState().MusicRestartPending = true;
        rig.proceed(false);
        QCOMPARE(rig.sequencer.log, QStringList({"Stop", "Close"}));
        QVERIFY(shell::appState().MusicRestartPending);
    }
};

QTEST_GUILESS_MAIN(TestMusicPlayer)
#include "test_musicplayer.moc"
