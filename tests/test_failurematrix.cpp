// What the program does when the world around it fails: song files missing or damaged, no
// sound device, no soundfont, the end of the program in every state of the music, no system
// information tool, a registered tool that is not there, no web browser. Each case has its own
// time limit: a failure may give silence or a message, never a crash, a hang or an escaping
// error. The cases that end a process run the program's screens in a child process
// (failure_harness).

#include "MidiTestFiles.h"
#include "MusicTestOutputs.h"
#include "ScreenTestSupport.h"
#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "about/frmAbout.h"
#include "music/BackgroundMusic.h"
#include "music/FluidPlayer.h"
#include "music/MidiFileCheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <memory>
#include <vector>

using music::FluidPlayer;
using miditest::writeFile;
using musictest::quickOptions;
using namespace std::chrono_literals;

namespace {

// Generous limits for a loaded two-core machine: they catch hangs, they measure nothing.
constexpr int kCommandLimitMs = 2000;   // one music operation on the user-interface thread
constexpr int kSettleMs = 1500;         // long enough for the synth to start or fail
constexpr int kProcessLimitMs = 60000;  // one run of the program in a child process

const QString kSongDir = QStringLiteral(ZELVORIA_SONG_DIR);
const QString kHarness = QStringLiteral(ZELVORIA_FAILURE_HARNESS);

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A song damaged in its track data with 7-bit values only, so that it still passes the file
// check and reaches FluidSynth: notes, velocities, delta times and tempo go wild.
QByteArray damagedButWellFormed(const QByteArray& song, quint32 seed) {
    QRandomGenerator random(seed);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        QByteArray damaged = song;
        for (int i = 0; i < 40; ++i) {
            const auto at = static_cast<qsizetype>(random.bounded(22, static_cast<int>(song.size())));
            if (!(static_cast<quint8>(damaged[at]) & 0x80u))
                damaged[at] = static_cast<char>(random.bounded(0x80));
        }
        if (damaged != song && music::isStandardMidiFile(damaged))
            return damaged;
    }
    return {};
}

// The music as the chooser drives it, over the real FluidSynth player: a song folder of the
// test's choosing, the box ticked, and draws that walk through all twenty songs in turn.
struct MusicRig {
    explicit MusicRig(FluidPlayer::Options options, QString folder)
        : player(std::make_unique<FluidPlayer>(std::move(options))),
          music(*player, {[folder] { return folder; }, [] { return true; },
                          [this] { return (next++ % music::SongCount + 0.5) / music::SongCount; }}) {}

    std::unique_ptr<FluidPlayer> player;
    int next = 0;
    music::BackgroundMusic music;
};

#define QVERIFY_WITHIN(ms, statement)                                                              \
    do {                                                                                           \
        QElapsedTimer clock_;                                                                      \
        clock_.start();                                                                            \
        statement;                                                                                 \
        QVERIFY2(clock_.elapsed() < (ms), qPrintable(QStringLiteral(#statement " took %1 ms")     \
                                                         .arg(clock_.elapsed())));                \
    } while (false)

// A lookup that finds whatever the test names as the tool, on the real program starter.
struct FoundTool : about::SystemServices {
    QString path;
    QString findExecutable(const QString&) override { return path; }
    bool isNormalFile(const QString& file) override { return about::desktopSystem().isNormalFile(file); }
    bool startDetached(const QString& program) override { return about::desktopSystem().startDetached(program); }
};

// PATH pointing at one folder, and no browser named in the environment, for as long as it lives.
class SearchPath {
public:
    explicit SearchPath(const QString& folder) {
        for (const char* name : {"PATH", "BROWSER", "DEFAULT_BROWSER"}) {
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qunsetenv(name);
        }
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~SearchPath() {
        for (const auto& [name, wasSet, value] : m_saved) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> m_saved;
};

} // namespace

class TestFailureMatrix : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_noSongs, m_randomSongs, m_truncatedSongs, m_damagedSongs;

    QString folder(const QString& name) {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo(kSongDir + QStringLiteral("/song1.msc")).isFile(), qPrintable(kSongDir));
        QVERIFY2(QFileInfo(kHarness).isExecutable(), qPrintable(kHarness));
        m_noSongs = folder(QStringLiteral("none"));
        m_randomSongs = folder(QStringLiteral("random"));
        m_truncatedSongs = folder(QStringLiteral("truncated"));
        m_damagedSongs = folder(QStringLiteral("damaged"));
        QRandomGenerator random(20261209);
        for (int n = 1; n <= music::SongCount; ++n) {
            const QString name = QStringLiteral("/song%1.msc").arg(n);
            const QByteArray song = readAll(kSongDir + name);
            QVERIFY(!song.isEmpty());
            // Random bytes; every other file opens like a MIDI file, so the damage is deeper in.
            QByteArray noise(static_cast<qsizetype>(random.bounded(1, 5000)), '\0');
            for (char& byte : noise)
                byte = static_cast<char>(random.bounded(256));
            if (n % 2 == 0)
                noise = song.left(14) + noise;
            writeFile(m_randomSongs + name, noise);
            // Cut anywhere: in the header, in the first track, just before the end.
            const qsizetype cut = n == 1 ? 0 : n == 2 ? 10 : n == 3 ? song.size() - 1
                                                                     : song.size() * n / (music::SongCount + 1);
            writeFile(m_truncatedSongs + name, song.left(cut));
            const QByteArray damaged = damagedButWellFormed(song, static_cast<quint32>(n));
            QVERIFY(!damaged.isEmpty());
            writeFile(m_damagedSongs + name, damaged);
        }
    }

    void init() { recordMessages(); }

    // ---- Music: silence, and the program carries on -------------------------------------------

    void musicStaysSilent_data() {
        QTest::addColumn<QString>("songs");
        QTest::addColumn<bool>("system"); // the desktop's sound rather than a paced output
        QTest::addColumn<QStringList>("drivers");
        QTest::addColumn<QString>("soundFont");
        QTest::addColumn<bool>("engineStarts"); // whether the synth is ever started

        const bool system = true, virt = false;
        const QStringList usual = FluidPlayer::Options{}.audioDrivers;
        QTest::newRow("missing song files") << m_noSongs << virt << usual << QString() << false;
        QTest::newRow("random-byte song files") << m_randomSongs << virt << usual << QString() << false;
        QTest::newRow("truncated song files") << m_truncatedSongs << virt << usual << QString() << false;
        QTest::newRow("no audio device: no such card")
            << kSongDir << system << QStringList{QStringLiteral("alsa:hw:127,0")} << QString() << true;
        QTest::newRow("no audio device: unknown sound system")
            << kSongDir << system << QStringList{QStringLiteral("no-such-driver")} << QString() << true;
        QTest::newRow("no audio device: no sound system at all")
            << kSongDir << system << QStringList() << QString() << true;
        QTest::newRow("no soundfont: missing file")
            << kSongDir << system << usual << m_dir.filePath(QStringLiteral("absent.sf2")) << true;
        QTest::newRow("no soundfont: a song in its place")
            << kSongDir << system << usual << kSongDir + QStringLiteral("/song1.msc") << true;
    }
    void musicStaysSilent() {
        QFETCH(QString, songs);
        QFETCH(bool, system);
        QFETCH(QStringList, drivers);
        QFETCH(QString, soundFont);
        QFETCH(bool, engineStarts);

        FluidPlayer::Options options = quickOptions();
        if (system)
            options.output = {};
        options.audioDrivers = drivers;
        options.soundFont = soundFont;
        MusicRig rig(options, songs);
        FluidPlayer& player = *rig.player;
        QSignalSpy finished(&player, &FluidPlayer::finished);

        QVERIFY_WITHIN(kCommandLimitMs, rig.music.start());
        QTRY_VERIFY_WITH_TIMEOUT(player.engineState() != FluidPlayer::EngineState::Starting, 10000);
        QCOMPARE(player.engineState() != FluidPlayer::EngineState::NotStarted, engineStarts);
        // Every one of the twenty songs is tried, by Proceed with the box cleared, then ticked.
        for (int song = 2; song <= music::SongCount; ++song) {
            QVERIFY_WITHIN(kCommandLimitMs, rig.music.stop());
            QVERIFY_WITHIN(kCommandLimitMs, rig.music.start());
        }
        QCOMPARE(rig.next, music::SongCount);
        QTest::qWait(kSettleMs);
        QVERIFY(!player.isSounding());
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.isWatchingForEnd());
        QCOMPARE(finished.count(), 0);
        QVERIFY2(!player.lastError().isEmpty(), "the player should know why it is silent");

        // Stop, start again and shut down as the chooser and the end of the program would.
        QVERIFY_WITHIN(kCommandLimitMs, rig.music.stop());
        QVERIFY_WITHIN(kCommandLimitMs, rig.music.start());
        QVERIFY_WITHIN(kCommandLimitMs, rig.music.shutdown());
        QVERIFY(!player.isPlaying());
        QVERIFY_WITHIN(3000, rig.player.reset());
    }

    // Songs that pass the file check with damaged notes, delta times and tempo reach FluidSynth:
    // each one plays, ends, or is cut off at the length limit; none hangs the player.
    void damagedSongsEndOrStaySilent() {
        FluidPlayer::Options options = quickOptions();
        options.output = musictest::pacedOutput(20.0);
        options.maxSongLength = 1500ms;
        FluidPlayer player(options);
        QSignalSpy done(&player, &FluidPlayer::finished);
        for (int n = 1; n <= 6; ++n) {
            const QString file = m_damagedSongs + QStringLiteral("/song%1.msc").arg(n);
            QVERIFY_WITHIN(kCommandLimitMs, player.play(file));
            QVERIFY2(player.isPlaying(), qPrintable(player.lastError()));
            // Started, then either reported as ended or given up as unplayable.
            QTRY_VERIFY_WITH_TIMEOUT(!player.isWatchingForEnd(), 12000);
            QTest::qWait(100);
            QVERIFY(!player.isSounding());
        }
        QVERIFY2(done.count() >= 1, "at least some damaged songs should still play to an end");
        QCOMPARE(player.engineState(), FluidPlayer::EngineState::Ready);
    }

    // ---- The end of the program, in a child process ----------------------------------------

    void programEnds_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a line the run must print before "exiting"
        const QStringList virt{QStringLiteral("--output"), QStringLiteral("virtual"),
                               QStringLiteral("--songs"), kSongDir};
        QTest::newRow("exit before any song") << QStringList{"exit-before-song"} << QString();
        QTest::newRow("exit before any song, chooser closed")
            << QStringList{"exit-before-song", "--exit", "close"} << QString();
        QTest::newRow("exit while a song plays") << QStringList{"exit-while-playing"} + virt << "playing";
        QTest::newRow("exit while a song plays, window closed")
            << QStringList{"exit-while-playing", "--exit", "close"} + virt << "playing";
        QTest::newRow("exit while the synth starts") << QStringList{"exit-while-starting"} + virt << "starting";
        QTest::newRow("exit with missing song files")
            << QStringList{"exit-silent", "--output", "virtual", "--songs", m_noSongs} << "silent";
        QTest::newRow("exit with random-byte song files")
            << QStringList{"exit-silent", "--output", "virtual", "--songs", m_randomSongs} << "silent";
        QTest::newRow("exit with no audio device")
            << QStringList{"exit-silent", "--drivers", "alsa:hw:127,0", "--songs", kSongDir} << "silent";
        // Where the machine has no sound device, as here, every usual driver is tried and fails.
        QTest::newRow("exit with the desktop's sound or none")
            << QStringList{"exit-silent", "--songs", kSongDir} << QString();
        QTest::newRow("exit with no soundfont")
            << QStringList{"exit-silent", "--soundfont", m_dir.filePath(QStringLiteral("absent.sf2")),
                           "--songs", kSongDir}
            << "silent";
    }
    void programEnds() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        program.start(kHarness, arguments);
        QVERIFY(program.waitForStarted(10000));
        const bool finished = program.waitForFinished(kProcessLimitMs);
        if (!finished)
            program.kill();
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        const QString diagnosis = out + err.right(3000);
        QVERIFY2(finished, qPrintable(QStringLiteral("still running after %1 ms\n").arg(kProcessLimitMs) + diagnosis));
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(diagnosis));
        QVERIFY2(program.exitCode() == 0, qPrintable(QStringLiteral("exit status %1\n").arg(program.exitCode()) + diagnosis));
        const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.contains(QStringLiteral("exiting")), qPrintable(diagnosis));
        QVERIFY2(!lines.contains(QStringLiteral("returned")), qPrintable(diagnosis));
        QVERIFY2(!out.contains(QStringLiteral("message:")), qPrintable(diagnosis)); // music failures are silent
        if (!expected.isEmpty())
            QVERIFY2(lines.indexOf(expected) >= 0 && lines.indexOf(expected) < lines.indexOf(QStringLiteral("exiting")),
                     qPrintable(diagnosis));
        // Nothing on standard error (ALSA, FluidSynth, a sound server) but what the tests'
        // offscreen platform says of itself.
        QStringList complaints = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        complaints.removeIf([](const QString& line) {
            return line.startsWith(QLatin1String("QStandardPaths:")) || line.startsWith(QLatin1String("This plugin does not support"));
        });
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join(QLatin1Char('\n'))));
        qDebug("%s: %lld ms", QTest::currentDataTag(), static_cast<long long>(clock.elapsed()));
    }

    // ---- The About screen's outside services -----------------------------------------------

    void systemInfoUnavailable_data() {
        QTest::addColumn<QString>("found"); // empty: the real lookup, with no tool on the search path
        QTest::newRow("no system information tool") << QString();
        QTest::newRow("found path names no file") << m_dir.filePath(QStringLiteral("gone/infotool"));
        QTest::newRow("found path names a folder") << m_dir.path();
        QTest::newRow("found path names no program") << kSongDir + QStringLiteral("/song1.msc");
    }
    void systemInfoUnavailable() {
        QFETCH(QString, found);
        const QString emptyFolder = folder(QStringLiteral("empty-bin"));
        FoundTool system;
        system.path = found;
        about::frmAbout aboutScreen(found.isEmpty() ? about::desktopSystem() : system, about::desktopLinkOpener());
        aboutScreen.show();
        {
            const SearchPath noTools(emptyFolder);
            QVERIFY_WITHIN(kCommandLimitMs, aboutScreen.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click());
        }
        QCOMPARE(messages().size(), 1); // its words are test_aboutlookups'
        QVERIFY(aboutScreen.isVisible());
    }

    // The real desktop opener. Without anything to open web addresses the user is warned at
    // once; when xdg-open is there but finds no browser it says so in its exit status, and the
    // warning comes as soon as it has. The About screen stays either way.
    void homePageWithoutBrowser_data() {
        QTest::addColumn<QByteArray>("xdgOpen"); // the script on the search path; empty: none
        QTest::addColumn<bool>("warned");
        QTest::newRow("no web browser, no xdg-open") << QByteArray() << true;
        QTest::newRow("xdg-open finds no browser") << QByteArray("exit 3") << true;
        QTest::newRow("xdg-open fails to open it") << QByteArray("exit 4") << true;
        QTest::newRow("xdg-open killed") << QByteArray("kill -9 $$") << true;
        QTest::newRow("xdg-open opens it") << QByteArray("exit 0") << false;
    }
    void homePageWithoutBrowser() {
        QFETCH(QByteArray, xdgOpen);
        QFETCH(bool, warned);
        QTemporaryDir bin;
        const QString record = bin.filePath(QStringLiteral("asked"));
        if (!xdgOpen.isEmpty()) {
            const QString script = bin.filePath(QStringLiteral("xdg-open"));
            writeFile(script, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + QFile::encodeName(record) + "'\n" + xdgOpen + "\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        about::frmAbout aboutScreen(about::desktopSystem(), about::desktopLinkOpener());
        aboutScreen.show();
        auto* address = aboutScreen.findChild<QLabel*>(QStringLiteral("Label1"));
        {
            const SearchPath onlyThese(bin.path());
            QVERIFY_WITHIN(kCommandLimitMs, QTest::mouseClick(address, Qt::LeftButton));
        }
        if (xdgOpen.isEmpty()) {
            QCOMPARE(messages().size(), 1);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(record).size() > 0, 5000);
            QCOMPARE(readAll(record), "1|" + about::homePageAddress().toUtf8() + "|");
            QTRY_COMPARE_WITH_TIMEOUT(messages().size(), warned ? 1 : 0, 5000);
            QTest::qWait(300); // and no second warning
        }
        QCOMPARE(messages().size(), warned ? 1 : 0); // its words are test_aboutlookups'
        QVERIFY(aboutScreen.isVisible());
    }
};

QTEST_MAIN(TestFailureMatrix)
#include "test_failurematrix.moc"
