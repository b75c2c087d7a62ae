// How the FluidSynth player treats the user-interface thread: the time each play() takes on it,
// the longest gap an event-loop heartbeat sees while songs start, how long the synth takes to
// become ready and the first song to sound, and how long stop() and destruction take while a
// song plays. Or, with "gaps", each song rendered offline as fast as the machine goes: the
// silence between its last audible sample and the moment the synth counts it as ended. Prints
// numbers only; nothing passes or fails.
//
//   bench_music [system|virtual|none|gaps] [song-directory]

#include "music/FluidPlayer.h"
#include "music/MidiFileCheck.h"
#include "tests/MusicTestOutputs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPluginLoader>
#include <QTimer>

#include <cmath>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using music::FluidPlayer;

namespace {

double msSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A 1 ms timer that records the longest wait between two of its ticks.
class Heartbeat {
public:
    Heartbeat() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, msSince(m_since));
            m_since.restart();
            if (m_onTick)
                m_onTick();
        });
    }
    void start() {
        m_longest = 0;
        m_since.start();
        m_timer.start();
    }
    double longest() const { return m_longest; }
    void onTick(std::function<void()> f) { m_onTick = std::move(f); }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_longest = 0;
    std::function<void()> m_onTick;
};

// Runs the event loop until `until` holds or `limitMs` passes; the time taken, or -1.
double runUntil(const std::function<bool()>& until, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!until()) {
        if (clock.elapsed() > limitMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return msSince(clock);
}

double timed(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return msSince(clock);
}

// Below this (-60 dBFS) a sample counts as silent.
constexpr float kAudible = 0.001f;

// Renders each song through the synth module, as the player would, and prints the seconds from
// the song's last audible sample to the synth's "ended", at the player's poll the end is reported.
int measureGaps(const QString& songs) {
    QPluginLoader loader(QStringLiteral("synth/zelvoria-synth"));
    auto* module = qobject_cast<music::SynthModule*>(loader.instance());
    if (!module) {
        std::printf("no synth module: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    double total = 0, longest = 0;
    for (int n = 1; n <= 20; ++n) {
        std::unique_ptr<music::SynthEngine> engine = module->makeEngine();
        music::RenderFunction render;
        auto keep = [&render](music::RenderFunction r) {
            render = std::move(r);
            return std::make_unique<music::AudioOutput>();
        };
        const QByteArray song = music::readMidiFile(songs + QStringLiteral("/song%1.msc").arg(n));
        if (!engine->start(FluidPlayer::systemSoundFont(), keep, {}) || !engine->load(song) || !engine->play()) {
            std::printf("song%d: %s\n", n, qPrintable(engine->error()));
            return 1;
        }
        std::vector<float> left(musictest::kBlockFrames), right(musictest::kBlockFrames);
        long frames = 0, lastAudible = 0;
        const long limit = 600L * musictest::kSampleRate;
        while (engine->status() == music::SynthEngine::SongStatus::Playing && frames < limit) {
            render(musictest::kBlockFrames, left.data(), right.data());
            for (int i = 0; i < musictest::kBlockFrames; ++i) {
                if (std::fabs(left[i]) > kAudible || std::fabs(right[i]) > kAudible)
                    lastAudible = frames + i + 1;
            }
            frames += musictest::kBlockFrames;
        }
        const double gap = static_cast<double>(frames - lastAudible) / musictest::kSampleRate;
        std::printf("song%-2d  %6.1f s long, ended %5.2f s after its last audible sample\n", n,
                    static_cast<double>(lastAudible) / musictest::kSampleRate, gap);
        total += gap;
        longest = std::max(longest, gap);
    }
    std::printf("gap: mean %.2f s, longest %.2f s (the player's poll adds up to 0.15 s)\n", total / 20, longest);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outputName = args.value(1, QStringLiteral("system"));
    const QString songs = args.value(2, QStringLiteral(ZELVORIA_SONG_DIR));
    if (outputName == QLatin1String("gaps"))
        return measureGaps(songs);
    FluidPlayer::Options options;
    options.output = outputName == QLatin1String("virtual") ? musictest::pacedOutput()
                     : outputName == QLatin1String("none")  ? musictest::noOutput()
                                                            : music::OutputFactory();
    auto song = [&](int n) { return songs + QStringLiteral("/song%1.msc").arg(n); };

    // What the machine itself costs the heartbeat, with no player at all.
    Heartbeat heartbeat;
    heartbeat.start();
    runUntil([] { return false; }, 500);
    const double idleGap = heartbeat.longest();

    heartbeat.start();
    auto player = std::make_unique<FluidPlayer>(options);

    // The very first song: this one starts the synth.
    const double firstCall = timed([&] { player->play(song(1)); });
    QElapsedTimer sinceFirstPlay;
    sinceFirstPlay.start();
    double readyAt = -1, soundingAt = -1;
    heartbeat.onTick([&] {
        if (readyAt < 0 && player->engineState() == FluidPlayer::EngineState::Ready)
            readyAt = msSince(sinceFirstPlay);
        if (soundingAt < 0 && player->isSounding())
            soundingAt = msSince(sinceFirstPlay);
    });
    runUntil([&] { return soundingAt >= 0 || player->engineState() == FluidPlayer::EngineState::Failed; }, 5000);
    const double firstGap = heartbeat.longest();
    heartbeat.onTick({});

    // Twenty more songs, started from a timer as the program starts them from its events,
    // one every 100 ms, while the heartbeat watches.
    double longestCall = 0, totalCall = 0, longestStart = 0;
    int started = 0, sounded = 0;
    QElapsedTimer sincePlay;
    heartbeat.onTick([&] {
        if (sincePlay.isValid() && player->isSounding()) {
            longestStart = std::max(longestStart, msSince(sincePlay));
            sincePlay.invalidate();
            ++sounded;
        }
    });
    QTimer next;
    next.setInterval(100);
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (started == 20) {
            next.stop();
            return;
        }
        ++started;
        const double call = timed([&] { player->play(song(started)); });
        sincePlay.start();
        longestCall = std::max(longestCall, call);
        totalCall += call;
    });
    heartbeat.start();
    next.start();
    runUntil([&] { return !next.isActive(); }, 10000);
    runUntil([] { return false; }, 100);
    heartbeat.onTick({});
    const double loopGap = heartbeat.longest();
    const QString said = player->lastError();

    const double stopClose = timed([&] { player->stop(); });
    player->play(song(5));
    runUntil([&] { return player->isSounding(); }, 300);
    const double destroy = timed([&] { player.reset(); });

    std::printf("output                                   %s\n", qPrintable(outputName));
    std::printf("longest event-loop gap, idle, no player   %8.3f ms\n", idleGap);
    std::printf("first play() on the UI thread             %8.3f ms\n", firstCall);
    std::printf("longest event-loop gap while it started   %8.3f ms\n", firstGap);
    std::printf("synth ready after the first Play          %8.1f ms%s\n", readyAt,
                readyAt < 0 ? "  (never)" : "");
    std::printf("first song sounding after the first Play  %8.1f ms%s\n", soundingAt,
                soundingAt < 0 ? "  (never)" : "");
    if (!said.isEmpty())
        std::printf("the player says                           %s\n", qPrintable(said));
    std::printf("play(), 20 songs: longest                %8.3f ms, mean %.3f ms\n", longestCall, totalCall / 20);
    std::printf("longest event-loop gap over those songs   %8.3f ms\n", loopGap);
    std::printf("longest wait for a song to sound          %8.1f ms (%d of 20 sounded within 100 ms)\n",
                longestStart, sounded);
    std::printf("stop() while playing                     %8.3f ms\n", stopClose);
    std::printf("destroying the player while playing       %8.3f ms\n", destroy);
    return 0;
}
