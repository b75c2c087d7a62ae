#include "MidiTestFiles.h"
#include "MusicTestOutputs.h"
#include "music/FluidEngine.h"
#include "music/FluidPlayer.h"
#include "music/MidiFileCheck.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <memory>

using music::FluidPlayer;
using namespace std::chrono_literals;

namespace {

using miditest::chunk;
using miditest::header;
using miditest::kEndOfTrack;
using miditest::song;
using musictest::quickOptions;

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
    const QString font = soundFont.isEmpty() ? music::FluidPlayer::systemSoundFont() : soundFont;
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

class TestFluidPlayer : public QObject {
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

    // A voice still held at a song's last event keeps the song going a second at most.
    void aHeldNoteEndsTheSongWithinASecond() {
        const QByteArray held = header(0, 1) + chunk("MTrk", QByteArray::fromHex("00c000" "00903c64" "8360ff2f00"));
        const std::vector<float> audio = renderSong(write("held.msc", held), {}, 10.0);
        const double seconds = static_cast<double>(audio.size()) / 2 / musictest::kSampleRate;
        QVERIFY2(seconds >= 1.45 && seconds <= 1.6, qPrintable(QString::number(seconds))); // 0.5 s of song
    }

    void renderingStopsAtTheLimit() {
        const std::vector<float> audio = renderSong(generatedSong(), {}, 1.5);
        QCOMPARE(audio.size(), static_cast<std::size_t>(1.5 * musictest::kSampleRate) * 2);
    }

    // Whatever is wrong with the file, the player stays closed and silent, and the synth is not
    // even started.
    void refusesToOpen_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing file") << m_dir.filePath("song99.msc");
        QTest::newRow("garbage renamed") << write("garbage.msc", QByteArray(3000, 'x'));
        QTest::newRow("truncated song") << write("cut.msc", song(4).chopped(6));
        QTest::newRow("directory") << m_dir.path();
    }
    void refusesToOpen() {
        QFETCH(QString, file);
        FluidPlayer player(quickOptions());
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(file);
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.lastError().isEmpty());
        QCOMPARE(player.engineState(), FluidPlayer::EngineState::NotStarted);
        QTest::qWait(100);
        QVERIFY(!player.isSounding());
        QCOMPARE(finished.count(), 0);
    }

    void playsASongToItsEnd() {
        FluidPlayer player(quickOptions(25.0));
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(write("short.msc", song(3)));
        QVERIFY(player.isPlaying());
        QCOMPARE(finished.count(), 0); // never from inside play()
        QTRY_VERIFY(player.isSounding());
        QVERIFY(player.isWatchingForEnd());
        // The next song is asked for from the end's own signal, as the background music does.
        connect(&player, &FluidPlayer::finished, &player, [&player, this] { player.play(generatedSong()); },
                Qt::SingleShotConnection);
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(player.isPlaying());
        QTRY_VERIFY(player.isSounding());
        QCOMPARE(player.lastError(), QString());
        player.stop();
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.isWatchingForEnd());
    }

    // A song that passes the check but has nothing in it to play ends at once: the player stops
    // watching for its end, stays silent and reports no end; the song stays open until stop().
    void songWithNothingToPlayStopsTheWatch() {
        FluidPlayer player(quickOptions());
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(write("empty.msc", header(0, 1) + chunk("MTrk", kEndOfTrack)));
        QVERIFY(player.isWatchingForEnd());
        QTRY_VERIFY(!player.isWatchingForEnd());
        QVERIFY2(player.lastError().contains(QLatin1String("could not be played")), qPrintable(player.lastError()));
        QTest::qWait(100);
        QVERIFY(!player.isSounding());
        QVERIFY(player.isPlaying());
        QCOMPARE(finished.count(), 0);
        player.stop();
        QVERIFY(!player.isPlaying());
    }

    void cutsOffASongAtTheTimeLimit() {
        FluidPlayer::Options options = quickOptions();
        options.maxSongLength = 300ms;
        FluidPlayer player(options);
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(generatedSong());
        QTRY_VERIFY(player.isSounding());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        QVERIFY(!player.isSounding());
        QVERIFY(!player.isPlaying());
        QVERIFY(player.lastError().contains(QLatin1String("time limit")));
    }

    void stopSilencesAndForgets() {
        FluidPlayer player(quickOptions());
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(generatedSong());
        QTRY_VERIFY(player.isSounding());
        player.stop();
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.isSounding());
        player.stop();
        QTest::qWait(100);
        QCOMPARE(finished.count(), 0);
        player.play(generatedSong());
        QTRY_VERIFY_WITH_TIMEOUT(player.isSounding(), 500);
    }

    void stopBeforeTheSynthIsReadyPlaysNothing() {
        FluidPlayer player(quickOptions());
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(generatedSong());
        player.stop();
        QTRY_COMPARE(player.engineState(), FluidPlayer::EngineState::Ready);
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(20);
            QVERIFY(!player.isSounding());
        }
        QCOMPARE(finished.count(), 0);
    }

    void destroysPromptlyWhilePlaying() {
        auto player = std::make_unique<FluidPlayer>(quickOptions());
        player->play(generatedSong());
        QTRY_VERIFY(player->isSounding());
        QElapsedTimer clock;
        clock.start();
        player.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        // Also while the synth is still starting.
        player = std::make_unique<FluidPlayer>(quickOptions());
        player->play(generatedSong());
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
        FluidPlayer::Options options = quickOptions();
        if (!outputOpens)
            options.output = musictest::noOutput();
        options.soundFont = soundFont;
        FluidPlayer player(options);
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(generatedSong());
        QTRY_COMPARE(player.engineState(), FluidPlayer::EngineState::Failed);
        QVERIFY2(player.lastError().contains(error), qPrintable(player.lastError()));
        QTest::qWait(watchMs);
        QVERIFY(!player.isSounding());
        QCOMPARE(finished.count(), 0);
        // Once the synth is known to be unusable, songs no longer open.
        player.play(generatedSong());
        QVERIFY(!player.isPlaying());
    }

    // The machine's own sound: whether or not it has a device, nothing goes wrong.
    void systemOutputPlaysOrStaysSilent() {
        FluidPlayer player;
        QSignalSpy finished(&player, &FluidPlayer::finished);
        player.play(generatedSong());
        QTRY_VERIFY(player.engineState() != FluidPlayer::EngineState::Starting);
        if (player.engineState() == FluidPlayer::EngineState::Ready) {
            QTRY_VERIFY(player.isSounding());
            player.stop();
            QVERIFY(!player.isSounding());
        } else {
            QTest::qWait(300);
            QVERIFY(!player.isSounding());
        }
        QCOMPARE(finished.count(), 0);
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
        // The song ends once its sound has died away, not seconds later.
        const auto audible = std::find_if(audio.rbegin(), audio.rend(), [](float s) { return std::fabs(s) > 0.001f; });
        const double silence = static_cast<double>(audible - audio.rbegin()) / 2 / musictest::kSampleRate;
        QVERIFY2(silence < 1.5, qPrintable(QString::number(silence)));
        QVERIFY2(peak > 0.1 && peak < 0.99, qPrintable(QString::number(peak)));
        QVERIFY2(rms > 0.01, qPrintable(QString::number(rms)));
    }
};

QTEST_GUILESS_MAIN(TestFluidPlayer)
#include "test_fluidplayer.moc"
