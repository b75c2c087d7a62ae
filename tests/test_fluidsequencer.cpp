#include "MidiTestFiles.h"
#include "MusicTestOutputs.h"
#include "music/FluidEngine.h"
#include "music/FluidSequencer.h"
#include "music/MidiFileCheck.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <future>
#include <memory>

using music::FluidSequencer;
using namespace std::chrono_literals;

namespace {

using miditest::chunk;
using miditest::header;
using miditest::kEndOfTrack;
using musictest::openAndPlay;
using musictest::quickOptions;

// `count` quarter notes at 120 beats a minute, the note-offs in running status.
QByteArray melody(int count) {
    QByteArray body = QByteArray::fromHex("00c000");
    for (int i = 0; i < count; ++i) {
        const char key = static_cast<char>(60 + (i * 4) % 12);
        body += QByteArray::fromHex("0090") + key + char(100) + QByteArray::fromHex("8360") + key + char(0);
    }
    return body + kEndOfTrack;
}

QByteArray song(int notes) {
    return header(0, 1) + chunk("MTrk", melody(notes));
}

QString generatedSong() {
    return QFINDTESTDATA("../assets/music/song1.msc");
}

// The song rendered through FluidSynth into memory: interleaved stereo at kSampleRate, up to
// maxSeconds long. Empty if the file, the soundfont or the synth fails. An empty soundFont
// means the system's one.
std::vector<float> renderSong(const QString& path, const QString& soundFont = {}, double maxSeconds = 360.0) {
    const QByteArray data = music::readMidiFile(path);
    if (!music::isStandardMidiFile(data))
        return {};
    music::RenderFunction render;
    auto keepRender = [&render](music::RenderFunction r) {
        render = std::move(r);
        return std::make_unique<music::AudioOutput>();
    };
    music::FluidEngine engine;
    const QString font = soundFont.isEmpty() ? music::FluidSequencer::systemSoundFont() : soundFont;
    if (!engine.start(font, keepRender, {}) || !engine.load(data) || !engine.play())
        return {};
    const auto maxFrames = static_cast<std::size_t>(std::max(0.0, maxSeconds) * musictest::kSampleRate);
    std::vector<float> samples, left(musictest::kBlockFrames), right(musictest::kBlockFrames);
    std::size_t frames = 0;
    while (frames < maxFrames && engine.status() == music::SynthEngine::SongStatus::Playing) {
        render(musictest::kBlockFrames, left.data(), right.data());
        for (int i = 0; i < musictest::kBlockFrames; ++i)
            samples.insert(samples.end(), {left[i], right[i]});
        frames += musictest::kBlockFrames;
    }
    if (engine.status() == music::SynthEngine::SongStatus::Unplayable)
        return {};
    samples.resize(2 * std::min(frames, maxFrames));
    return samples;
}

} // namespace

class TestFluidSequencer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& data) { return miditest::writeFile(m_dir.filePath(name), data); }

    std::future<std::vector<float>> m_rendering;

private slots:
    // Rendering a whole song takes a few seconds of work: it goes on beside the other tests,
    // which mostly wait, and is looked at last.
    void initTestCase() {
        QVERIFY(!generatedSong().isEmpty());
        m_rendering = std::async(std::launch::async, [] { return renderSong(generatedSong()); });
    }

    void recognisesStandardMidiFiles_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("valid");
        const QByteArray track = melody(3);
        QTest::newRow("one track") << song(3) << true;
        QTest::newRow("two tracks, format 1") << header(1, 2) + chunk("MTrk", track) + chunk("MTrk", track) << true;
        QTest::newRow("unknown chunk skipped") << header(0, 1) + chunk("XTRA", "abc") + chunk("MTrk", track) << true;
        QTest::newRow("sysex and meta text") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00f0037e7ff7" "00ff0103616263") + track) << true;
        QTest::newRow("no end-of-track event") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00903c40" "603c00")) << true;
        QFile generated(generatedSong());
        QTest::newRow("generated song") << (generated.open(QIODevice::ReadOnly) ? generated.readAll() : QByteArray()) << true;

        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("This is not music at all, only some words.") << false;
        QTest::newRow("wave header") << QByteArray("RIFF") + song(3).mid(4) << false;
        QTest::newRow("header only") << header(0, 1) << false;
        QTest::newRow("format 3") << header(3, 1) + chunk("MTrk", track) << false;
        QTest::newRow("no tracks") << header(0, 0) + chunk("MTrk", track) << false;
        QTest::newRow("division zero") << header(0, 1, 0) + chunk("MTrk", track) << false;
        QTest::newRow("fewer tracks than declared") << header(1, 2) + chunk("MTrk", track) << false;
        QTest::newRow("track longer than file") << song(3).chopped(5) << false;
        QTest::newRow("running status with no status") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("003c40") + kEndOfTrack) << false;
        QTest::newRow("data byte above 127") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00903c90") + kEndOfTrack) << false;
        QTest::newRow("meta length past the chunk") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00ff0140616263")) << false;
        QTest::newRow("system message in a track") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00f8") + kEndOfTrack) << false;
        QTest::newRow("over the size limit") << song(3) + QByteArray(music::kMaxMidiFileSize, '\0') << false;
    }
    void recognisesStandardMidiFiles() {
        QFETCH(QByteArray, data);
        QFETCH(bool, valid);
        QCOMPARE(music::isStandardMidiFile(data), valid);
    }

    void renderingFailsQuietly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("soundFont");
        QTest::newRow("missing file") << m_dir.filePath("absent.msc") << QString();
        QTest::newRow("garbage file") << write("garbage.msc", QByteArray(3000, 'x')) << QString();
        QTest::newRow("missing soundfont") << write("short.msc", song(2)) << m_dir.filePath("absent.sf2");
        QTest::newRow("song as soundfont") << write("short.msc", song(2)) << write("short.sf2", song(2));
    }
    void renderingFailsQuietly() {
        QFETCH(QString, file);
        QFETCH(QString, soundFont);
        QVERIFY(renderSong(file, soundFont).empty());
    }

    void renderingStopsAtTheLimit() {
        const std::vector<float> audio = renderSong(generatedSong(), {}, 1.5);
        QCOMPARE(audio.size(), static_cast<std::size_t>(1.5 * musictest::kSampleRate) * 2);
    }

    // Whatever is wrong with the request, the player stays closed and silent, and the synth is
    // not even started.
    void refusesToOpen_data() {
        QTest::addColumn<QString>("deviceType");
        QTest::addColumn<QString>("file");
        QTest::newRow("other device type") << "CDAudio" << write("good.msc", song(4));
        QTest::newRow("missing file") << "Sequencer" << m_dir.filePath("song99.msc");
        QTest::newRow("garbage renamed") << "Sequencer" << write("garbage.msc", QByteArray(3000, 'x'));
        QTest::newRow("truncated song") << "Sequencer" << write("cut.msc", song(4).chopped(6));
        QTest::newRow("directory") << "Sequencer" << m_dir.path();
    }
    void refusesToOpen() {
        QFETCH(QString, deviceType);
        QFETCH(QString, file);
        FluidSequencer player(quickOptions());
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, file, deviceType);
        QVERIFY(!player.isSongOpen());
        QVERIFY(!player.lastError().isEmpty());
        QCOMPARE(player.engineState(), FluidSequencer::EngineState::NotStarted);
        QTest::qWait(100);
        QVERIFY(!player.isPlaying());
        QCOMPARE(done.count(), 0);
        player.sendCommand(QStringLiteral("Stop"));
        player.sendCommand(QStringLiteral("Close"));
        QVERIFY(!player.isSongOpen());
    }

    void playsASongToItsEnd() {
        FluidSequencer player(quickOptions(25.0));
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, write("short.msc", song(3)));
        QVERIFY(player.isSongOpen());
        QCOMPARE(done.count(), 0); // never from inside a command
        QTRY_VERIFY(player.isPlaying());
        QVERIFY(player.isWatchingForEnd());
        QTRY_COMPARE(done.count(), 1);
        QCOMPARE(done.first().first().toInt(), 1);
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.isWatchingForEnd());
        QVERIFY(player.isSongOpen()); // until Close
        player.sendCommand(QStringLiteral("Play")); // at its end: nothing more
        QTest::qWait(150);
        QCOMPARE(done.count(), 1);
        player.sendCommand(QStringLiteral("Close"));
        QVERIFY(!player.isSongOpen());
        player.sendCommand(QStringLiteral("Close"));
        QVERIFY(!player.isSongOpen());

        // The next song plays too, though the synth must be shown other presets for it.
        openAndPlay(player, generatedSong());
        QTRY_VERIFY(player.isPlaying());
        QCOMPARE(player.lastError(), QString());
    }

    // A song that passes the check but has nothing in it to play ends at once: the player stops
    // watching for its end, stays silent and reports no end, and Stop and Play change nothing.
    void songWithNothingToPlayStopsTheWatch() {
        FluidSequencer player(quickOptions());
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, write("empty.msc", header(0, 1) + chunk("MTrk", kEndOfTrack)));
        QVERIFY(player.isSongOpen());
        QVERIFY(player.isWatchingForEnd());
        QTRY_VERIFY(!player.isWatchingForEnd());
        QVERIFY2(player.lastError().contains(QLatin1String("could not be played")), qPrintable(player.lastError()));
        player.sendCommand(QStringLiteral("Stop"));
        player.sendCommand(QStringLiteral("Play"));
        QTRY_VERIFY(!player.isWatchingForEnd());
        QTest::qWait(100);
        QVERIFY(!player.isPlaying());
        QVERIFY(player.isSongOpen());
        QCOMPARE(done.count(), 0);
    }

    void cutsOffASongAtTheTimeLimit() {
        FluidSequencer::Options options = quickOptions();
        options.maxSongLength = 300ms;
        FluidSequencer player(options);
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, generatedSong());
        QTRY_VERIFY(player.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 2000);
        QVERIFY(!player.isPlaying());
        QVERIFY(player.lastError().contains(QLatin1String("time limit")));
    }

    void stopsClosesAndResumes() {
        FluidSequencer player(quickOptions());
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, generatedSong());
        QTRY_VERIFY(player.isPlaying());
        player.sendCommand(QStringLiteral("Stop"));
        QVERIFY(player.isSongOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 500);
        player.sendCommand(QStringLiteral("Play"));
        QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(), 500);
        QTest::qWait(200); // resumed, not ended
        QVERIFY(player.isPlaying());
        player.sendCommand(QStringLiteral("Close"));
        QVERIFY(!player.isSongOpen());
        QVERIFY(!player.isPlaying());
        QTest::qWait(100);
        QCOMPARE(done.count(), 0);
    }

    void stopBeforeTheSynthIsReadyPlaysNothing() {
        FluidSequencer player(quickOptions());
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, generatedSong());
        player.sendCommand(QStringLiteral("Stop"));
        QTRY_COMPARE(player.engineState(), FluidSequencer::EngineState::Ready);
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(20);
            QVERIFY(!player.isPlaying());
        }
        QCOMPARE(done.count(), 0);
    }

    void destroysPromptlyWhilePlaying() {
        auto player = std::make_unique<FluidSequencer>(quickOptions());
        openAndPlay(*player, generatedSong());
        QTRY_VERIFY(player->isPlaying());
        QElapsedTimer clock;
        clock.start();
        player.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        // Also while the synth is still starting.
        player = std::make_unique<FluidSequencer>(quickOptions());
        openAndPlay(*player, generatedSong());
        clock.restart();
        player.reset();
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    }

    // A player that cannot make a sound stays silent and never reports an end.
    void staysSilentWithoutSound_data() {
        QTest::addColumn<bool>("outputOpens");
        QTest::addColumn<QString>("soundFont");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("watchMs");
        QTest::newRow("no audio output") << false << QString() << "audio" << 1000;
        QTest::newRow("missing soundfont") << true << m_dir.filePath("absent.sf2") << "soundfont" << 300;
        QTest::newRow("broken soundfont") << true << write("broken.sf2", QByteArray(4096, 'z')) << "soundfont" << 300;
    }
    void staysSilentWithoutSound() {
        QFETCH(bool, outputOpens);
        QFETCH(QString, soundFont);
        QFETCH(QString, error);
        QFETCH(int, watchMs);
        FluidSequencer::Options options = quickOptions();
        if (!outputOpens)
            options.output = musictest::noOutput();
        options.soundFont = soundFont;
        FluidSequencer player(options);
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, generatedSong());
        QTRY_COMPARE(player.engineState(), FluidSequencer::EngineState::Failed);
        QVERIFY2(player.lastError().contains(error), qPrintable(player.lastError()));
        QTest::qWait(watchMs);
        QVERIFY(!player.isPlaying());
        QCOMPARE(done.count(), 0);
        // Once the synth is known to be unusable, songs no longer open.
        openAndPlay(player, generatedSong());
        QVERIFY(!player.isSongOpen());
        player.sendCommand(QStringLiteral("Stop"));
        player.sendCommand(QStringLiteral("Close"));
    }

    // The machine's own sound: whether or not it has a device, nothing goes wrong.
    void systemOutputPlaysOrStaysSilent() {
        FluidSequencer player;
        QSignalSpy done(&player, &FluidSequencer::done);
        openAndPlay(player, generatedSong());
        QTRY_VERIFY(player.engineState() != FluidSequencer::EngineState::Starting);
        if (player.engineState() == FluidSequencer::EngineState::Ready) {
            QTRY_VERIFY(player.isPlaying());
            player.sendCommand(QStringLiteral("Stop"));
            QTRY_VERIFY(!player.isPlaying());
        } else {
            QTest::qWait(300);
            QVERIFY(!player.isPlaying());
        }
        QCOMPARE(done.count(), 0);
    }

    void rendersAGeneratedSong() {
        const std::vector<float> audio = m_rendering.get();
        const double seconds = static_cast<double>(audio.size()) / 2 / musictest::kSampleRate;
        QVERIFY2(seconds > 60 && seconds < 185, qPrintable(QString::number(seconds)));
        double peak = 0, energy = 0;
        for (float sample : audio) {
            peak = std::max(peak, static_cast<double>(std::fabs(sample)));
            energy += static_cast<double>(sample) * sample;
        }
        const double rms = std::sqrt(energy / static_cast<double>(audio.size()));
        QVERIFY2(peak > 0.1 && peak < 0.99, qPrintable(QString::number(peak)));
        QVERIFY2(rms > 0.01, qPrintable(QString::number(rms)));
    }
};

QTEST_GUILESS_MAIN(TestFluidSequencer)
#include "test_fluidsequencer.moc"
