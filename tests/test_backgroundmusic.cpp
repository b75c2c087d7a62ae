#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "music/BackgroundMusic.h"
#include "shell/ProgramPath.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

namespace {
struct Rig {
    FakeSongPlayer player;
    bool boxTicked = true;
    QList<double> draws;
    music::BackgroundMusic music{player, {[] { return QStringLiteral("/opt/zelvoria"); },
                                          [this] { return boxTicked; },
                                          [this] { return draws.isEmpty() ? 0.0 : draws.takeFirst(); }}};

    // What the chooser's Proceed does with the box.
    void proceed(bool ticked) {
        boxTicked = ticked;
        ticked ? music.start() : music.stop();
    }
};

const QString kPlaySong7 = QStringLiteral("play /opt/zelvoria/song7.msc");
} // namespace

class TestBackgroundMusic : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { drive::freshWholeProgram(); }


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

    // A song's end draws the next number whether or not the box is still ticked, and plays it
    // only while it is.
    void songEndsFollowTheBox() {
        Rig rig;
        rig.draws = {0.3, 0.95, 0.5, 0.0};
        rig.proceed(true);
        rig.player.finishSong();
        QCOMPARE(rig.player.log, QStringList({kPlaySong7, "play /opt/zelvoria/song20.msc"}));
        rig.boxTicked = false;
        rig.player.finishSong();
        QCOMPARE(rig.player.log.size(), 2); // nothing played
        QCOMPARE(rig.draws, QList<double>{0.0}); // but 0.5 was drawn
    }

    void shutdownOnlyStopsAPlayingSong_data() {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("a song is playing") << true << QStringList{kPlaySong7, "stop"};
        QTest::newRow("the song has ended") << false << QStringList{kPlaySong7};
    }
    void shutdownOnlyStopsAPlayingSong() {
        QFETCH(bool, playing);
        QFETCH(QStringList, log);
        Rig rig;
        rig.draws = {0.3};
        rig.proceed(true);
        rig.boxTicked = false;
        if (!playing)
            rig.player.finishSong();
        rig.music.shutdown();
        QCOMPARE(rig.player.log, log);
    }

    // Armed, Playing and Silent, as Proceed and the ends of songs move between them.
    void proceedSequences() {
        Rig rig;
        rig.draws = {0.3};
        rig.proceed(true); // armed from the start
        QCOMPARE(rig.player.log, QStringList{kPlaySong7});
        rig.proceed(true); // playing: unchanged
        QCOMPARE(rig.player.log.size(), 1);

        rig.player.log.clear();
        rig.proceed(false); // stops at once, armed again
        QCOMPARE(rig.player.log, QStringList{"stop"});
        rig.draws = {0.3};
        rig.proceed(true); // a new song
        QCOMPARE(rig.player.log, QStringList({"stop", kPlaySong7}));

        rig.player.log.clear();
        rig.boxTicked = false; // cleared without Proceed: the song plays to its end
        rig.player.finishSong();
        rig.proceed(true); // silent stays silent
        QVERIFY(rig.player.log.isEmpty());
        rig.proceed(false);
        rig.draws = {0.3};
        rig.proceed(true); // cleared once with Proceed, then ticked: music again
        QCOMPARE(rig.player.log, QStringList({"stop", kPlaySong7}));
    }

    // The whole program: Proceed plays a song from the program's folder, the chooser's box is
    // read at its end, and Exit silences the music before the program ends.
    void theProgramPlaysFromTheChooser() {
        Program& program = drive::programWithRecordedMusic();
        FakeSongPlayer& player = drive::recordedMusic();
        QVERIFY(drive::reachMainMenu());
        drive::control<QPushButton>(QStringLiteral("frmChoose"), QStringLiteral("Command1"))->click();
        QCOMPARE(player.log.size(), 1);
        QVERIFY(QRegularExpression(QRegularExpression::escape(shell::Path()) + "/song([1-9]|1[0-9]|20)\\.msc")
                    .match(player.song).hasMatch());
        drive::control<QCheckBox>(QStringLiteral("frmChoose"), QStringLiteral("chkMusic"))->setChecked(false);
        player.finishSong();
        QCOMPARE(player.log.size(), 1);
        drive::control<QCheckBox>(QStringLiteral("frmChoose"), QStringLiteral("chkMusic"))->setChecked(true);
        player.finishSong(); // as if a song were open again
        QCOMPARE(player.log.size(), 2);
        program.end();
        QCOMPARE(player.log.last(), QStringLiteral("stop"));
        QCOMPARE(drive::ends(), 1);
    }
};

QTEST_MAIN(TestBackgroundMusic)
#include "test_backgroundmusic.moc"
