#include "music/FluidSequencer.h"

#include "music/FluidSynthSetup.h"
#include "music/MidiFileCheck.h"
#include "music/SongRender.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace music {

namespace {

using Clock = std::chrono::steady_clock;

using fluid::kBlockFrames;
using fluid::loadSoundFont;
using fluid::makeSettings;
using fluid::unloadSoundFont;

} // namespace

QString FluidSequencer::systemSoundFont() {
    const QString folder = QStringLiteral("/usr/share/sounds/sf2");
    const QFileInfo preferred(folder + QStringLiteral("/default-GM.sf2"));
    if (preferred.isFile() && preferred.isReadable())
        return preferred.filePath();
    const QFileInfoList others = QDir(folder).entryInfoList({QStringLiteral("*.sf2"), QStringLiteral("*.SF2")},
                                                            QDir::Files | QDir::Readable, QDir::Name);
    return others.isEmpty() ? QString() : others.first().filePath();
}

// The worker side. One detached thread owns every FluidSynth object; the user-interface thread
// only posts wishes (which song, playing or not) and reads atomics, so no command ever waits
// for FluidSynth. The worker reconciles the synth with the latest wish, which also means that a
// Play followed by a Stop before the synth is ready never makes a sound.
struct FluidSequencer::Engine {
    struct Wish {
        quint64 song = 0; // 0: no song open
        QByteArray data;
        bool play = false;
    };

    explicit Engine(Options o) : options(std::move(o)) {}

    static void start(const std::shared_ptr<Engine>& engine) {
        std::thread([engine] { engine->run(); }).detach();
    }

    void post(Wish next) {
        {
            std::lock_guard lock(mutex);
            wish = std::move(next);
            ++wishVersion;
        }
        wake.notify_all();
    }

    // Waits a little for the worker to release the synth and the sound device; a worker stuck in
    // a sound server is left to finish on its own, it owns everything it touches.
    void shutdown() {
        std::unique_lock lock(mutex);
        quit = true;
        wake.notify_all();
        exitedChanged.wait_for(lock, std::chrono::seconds(2), [this] { return exited; });
    }

    QString errorText() {
        std::lock_guard lock(mutex);
        return error;
    }

    std::atomic<EngineState> state{EngineState::Starting};
    std::atomic<quint64> sounding{0}; // the song the synth is playing
    std::atomic<quint64> finished{0}; // the last song that reached its end
    std::atomic<quint64> unplayable{0}; // the last song that ended without ever playing

private:
    void run() {
        // The first song is asked for while a screen is being built and painted; loading the
        // synth (a library with some forty others, the soundfont) waits a moment so as not to
        // take a core from it.
        {
            std::unique_lock lock(mutex);
            wake.wait_for(lock, options.startDelay, [this] { return quit; });
        }
        if (!quitting() && init()) {
            state = EngineState::Ready;
            loop();
        }
        teardown();
        std::lock_guard lock(mutex);
        exited = true;
        exitedChanged.notify_all();
    }

    bool fail(const QString& why) {
        setError(why);
        state = EngineState::Failed;
        return false;
    }

    void setError(const QString& why) {
        std::lock_guard lock(mutex);
        error = why;
    }

    bool quitting() {
        std::lock_guard lock(mutex);
        return quit;
    }

    bool init() {
        settings = makeSettings();
        synth = settings ? fluid::newSynth(settings) : nullptr;
        if (!synth)
            return fail(QStringLiteral("the synthesizer could not be created"));
        fontPath = options.soundFont.isEmpty() ? systemSoundFont() : options.soundFont;
        if (fontPath.isEmpty())
            return fail(QStringLiteral("no soundfont found"));
        QByteArray song;
        {
            std::lock_guard lock(mutex);
            song = wish.data;
        }
        const std::set<int> programs = programsOf(song);
        font = loadSoundFont(synth, fontPath, &programs);
        if (font.id == FLUID_FAILED)
            return fail(QStringLiteral("the soundfont %1 could not be loaded").arg(fontPath));
        if (quitting())
            return false;
        switch (options.output) {
        case Output::None:
            return fail(QStringLiteral("no audio output"));
        case Output::Virtual:
            virtualRunning = true;
            virtualOutput = std::thread([this] { paceVirtualOutput(); });
            return true;
        case Output::System:
            for (const QString& entry : options.audioDrivers) {
                if (!chooseDriver(entry))
                    continue;
                driver = new_fluid_audio_driver2(settings, &Engine::render, this);
                if (driver)
                    return true;
            }
            return fail(QStringLiteral("no audio device"));
        }
        return false;
    }

    // "driver" or "driver:device". The device of an earlier entry must not stick to a later one,
    // so a driver named alone gets its default device back.
    bool chooseDriver(const QString& entry) {
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        const QByteArray name = entry.left(colon).toLatin1();
        if (fluid_settings_setstr(settings, "audio.driver", name.constData()) != FLUID_OK)
            return false;
        const QByteArray setting = "audio." + name + ".device";
        QByteArray device;
        if (colon >= 0) {
            device = entry.mid(colon + 1).toLocal8Bit();
        } else {
            char* usual = nullptr;
            if (fluid_settings_getstr_default(settings, setting.constData(), &usual) == FLUID_OK)
                device = usual;
        }
        return device.isEmpty() || fluid_settings_setstr(settings, setting.constData(), device.constData()) == FLUID_OK;
    }

    // Called by the sound device's thread; the same lock guards every change of the file
    // player, which FluidSynth does not expect while it renders.
    static int render(void* data, int len, int nfx, float* fx[], int nout, float* out[]) {
        auto* self = static_cast<Engine*>(data);
        std::lock_guard lock(self->renderMutex);
        return fluid_synth_process(self->synth, len, nfx, fx, nout, out);
    }

    void paceVirtualOutput() {
        std::vector<float> left(kBlockFrames), right(kBlockFrames);
        float* out[2] = {left.data(), right.data()};
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(kBlockFrames / (kRenderSampleRate * std::max(0.01, options.virtualSpeed))));
        auto next = Clock::now();
        while (virtualRunning) {
            std::fill(left.begin(), left.end(), 0.0f);
            std::fill(right.begin(), right.end(), 0.0f);
            render(this, kBlockFrames, 0, nullptr, 2, out);
            next += period;
            std::this_thread::sleep_until(next);
        }
    }

    void loop() {
        std::unique_lock lock(mutex);
        while (!quit) {
            const Wish current = wish;
            const quint64 version = wishVersion;
            lock.unlock();
            apply(current);
            watch();
            lock.lock();
            auto changed = [&] { return quit || wishVersion != version; };
            if (playing)
                wake.wait_for(lock, std::chrono::milliseconds(40), changed);
            else
                wake.wait(lock, changed);
        }
    }

    void apply(const Wish& next) {
        if (next.song != loaded) {
            unload();
            loaded = next.song;
            ended = false;
            if (loaded == 0)
                return;
            setError({});
            std::lock_guard lock(renderMutex);
            const std::set<int> programs = programsOf(next.data);
            if (!font.covers(programs))
                reloadSoundFont(programs);
            player = new_fluid_player(synth);
            if (player
                && fluid_player_add_mem(player, next.data.constData(), static_cast<size_t>(next.data.size()))
                       != FLUID_OK) {
                delete_fluid_player(player);
                player = nullptr;
            }
        }
        if (!player)
            return;
        if (next.play && !playing && !ended) {
            std::lock_guard lock(renderMutex);
            if (fluid_player_play(player) == FLUID_OK) {
                playing = true;
                startedAt = Clock::now();
                sounding = loaded;
            }
        } else if (!next.play && playing) {
            silence();
        }
    }

    // The soundfont is shown to the synth with the presets of one song's programs only (see
    // SoundFontView); a song that needs others gets a soundfont of its own programs. The new one
    // is loaded before the old one goes, so that a failure leaves the old one playing.
    void reloadSoundFont(const std::set<int>& programs) {
        fluid::LoadedFont next = loadSoundFont(synth, fontPath, &programs);
        if (next.id == FLUID_FAILED) {
            setError(QStringLiteral("the soundfont %1 could not be loaded again").arg(fontPath));
            return;
        }
        unloadSoundFont(synth, font);
        font = std::move(next);
    }

    static std::set<int> programsOf(const QByteArray& song) {
        std::set<int> programs = programsNamedBy(song);
        return programs.empty() ? std::set<int>{0} : programs;
    }

    void watch() {
        if (!playing)
            return;
        int status = FLUID_PLAYER_PLAYING;
        int ticks = 0;
        {
            std::lock_guard lock(renderMutex);
            status = fluid_player_get_status(player);
            ticks = fluid_player_get_total_ticks(player);
        }
        if (status == FLUID_PLAYER_DONE) {
            silence();
            ended = true;
            // FluidSynth ends a file it could not parse at once and with no ticks.
            if (ticks > 0) {
                finished = loaded;
            } else {
                setError(QStringLiteral("the song could not be played"));
                unplayable = loaded;
            }
        } else if (Clock::now() - startedAt > options.maxSongLength) {
            silence();
            ended = true;
            finished = loaded;
            setError(QStringLiteral("the song was cut off at its time limit"));
        }
    }

    void silence() {
        std::lock_guard lock(renderMutex);
        if (player)
            fluid_player_stop(player);
        fluid_synth_all_sounds_off(synth, -1);
        playing = false;
        sounding = 0;
    }

    void unload() {
        if (!player)
            return;
        silence();
        std::lock_guard lock(renderMutex);
        delete_fluid_player(player);
        player = nullptr;
    }

    void teardown() {
        if (synth)
            silence();
        if (driver)
            delete_fluid_audio_driver(driver);
        virtualRunning = false;
        if (virtualOutput.joinable())
            virtualOutput.join();
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        fluid::forgetView(font);
        if (settings)
            delete_fluid_settings(settings);
    }

    const Options options;

    std::mutex mutex; // guards the members down to error
    std::condition_variable wake;
    std::condition_variable exitedChanged;
    Wish wish;
    quint64 wishVersion = 0;
    bool quit = false;
    bool exited = false;
    QString error;

    // The worker's own.
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    QString fontPath;
    fluid::LoadedFont font;
    fluid_audio_driver_t* driver = nullptr;
    std::thread virtualOutput;
    std::atomic<bool> virtualRunning{false};
    std::mutex renderMutex;
    fluid_player_t* player = nullptr;
    quint64 loaded = 0;
    bool playing = false;
    bool ended = false; // reached its end or its time limit: Play does not start it again
    Clock::time_point startedAt;
};

FluidSequencer::FluidSequencer(QObject* parent) : FluidSequencer(Options{}, parent) {}

FluidSequencer::FluidSequencer(Options options, QObject* parent)
    : Sequencer(parent), m_options(std::move(options)) {
    m_poll.setInterval(m_options.pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &FluidSequencer::poll);
}

FluidSequencer::~FluidSequencer() {
    if (m_engine)
        m_engine->shutdown();
}

void FluidSequencer::setDeviceType(const QString& deviceType) {
    m_deviceType = deviceType;
}

void FluidSequencer::setFileName(const QString& fileName) {
    m_fileName = fileName;
}

void FluidSequencer::sendCommand(const QString& command) {
    auto is = [&](const char* name) { return command.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("Open"))
        open();
    else if (is("Play"))
        play();
    else if (is("Stop"))
        stop();
    else if (is("Close"))
        close();
}

bool FluidSequencer::isSongOpen() const {
    return m_open;
}

bool FluidSequencer::isPlaying() const {
    return m_open && m_engine && m_engine->sounding == m_song;
}

bool FluidSequencer::isWatchingForEnd() const {
    return m_poll.isActive();
}

FluidSequencer::EngineState FluidSequencer::engineState() const {
    return m_engine ? m_engine->state.load() : EngineState::NotStarted;
}

QString FluidSequencer::lastError() const {
    if (!m_error.isEmpty() || !m_engine)
        return m_error;
    return m_engine->errorText();
}

void FluidSequencer::open() {
    close();
    if (m_deviceType.compare(QLatin1String("Sequencer"), Qt::CaseInsensitive) != 0) {
        m_error = QStringLiteral("the device type \"%1\" is not supported").arg(m_deviceType);
        return;
    }
    if (engineState() == EngineState::Failed) {
        m_error.clear(); // the engine's own error says why
        return;
    }
    QByteArray data = readMidiFile(m_fileName);
    if (!isStandardMidiFile(data)) {
        m_error = QStringLiteral("%1 is missing or not a Standard MIDI File").arg(m_fileName);
        return;
    }
    m_error.clear();
    m_songData = std::move(data);
    m_open = true;
    ++m_song;
    if (!m_engine) {
        m_engine = std::make_shared<Engine>(m_options);
        Engine::start(m_engine);
    }
    pushWish();
}

void FluidSequencer::play() {
    // A song that has ended stays at its end until it is closed.
    if (!m_open || m_playWanted || (m_engine && m_engine->finished == m_song))
        return;
    m_playWanted = true;
    pushWish();
    m_poll.start();
}

void FluidSequencer::stop() {
    if (!m_open)
        return;
    m_playWanted = false;
    m_poll.stop();
    pushWish();
}

void FluidSequencer::close() {
    if (!m_open)
        return;
    m_open = false;
    m_playWanted = false;
    m_songData.clear();
    m_poll.stop();
    pushWish();
}

void FluidSequencer::pushWish() {
    if (m_engine)
        m_engine->post({m_open ? m_song : 0, m_open ? m_songData : QByteArray(), m_open && m_playWanted});
}

void FluidSequencer::poll() {
    if (!m_engine || !m_open || !m_playWanted || m_engine->state == EngineState::Failed) {
        m_poll.stop();
        return;
    }
    if (m_engine->finished == m_song) {
        m_playWanted = false;
        m_poll.stop();
        emit done(1);
    } else if (m_engine->unplayable == m_song) {
        // It will never end: nothing more to watch for. The wish to play stays, so the player
        // remains as it is until Stop or Close.
        m_poll.stop();
    }
}

} // namespace music
