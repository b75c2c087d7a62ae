#include "music/FluidSequencer.h"

#include <fluidsynth.h>

#include <QDir>
#include <QFile>
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

// Loud enough for background music, with headroom for the busier songs.
constexpr double kGain = 1.0;
constexpr int kBlockFrames = 512;

void quietLog(int, const char*, void*) {}

// FluidSynth prints its complaints (no sound device, bad files) on stderr by default; ours go
// into lastError() instead.
void silenceFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietLog, nullptr);
    });
}

fluid_settings_t* makeSettings() {
    silenceFluidLog();
    fluid_settings_t* settings = new_fluid_settings();
    if (settings) {
        fluid_settings_setnum(settings, "synth.sample-rate", kRenderSampleRate);
        fluid_settings_setnum(settings, "synth.gain", kGain);
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        // Locking the samples into memory holds the process's memory map while megabytes are
        // paged in, which stalls the other threads, the user interface's included.
        fluid_settings_setint(settings, "synth.lock-memory", 0);
    }
    return settings;
}

// Checked first: FluidSynth hands files that are no SoundFont to a library that complains on
// stderr.
bool loadSoundFont(fluid_synth_t* synth, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return fluid_is_soundfont(name.constData()) && fluid_synth_sfload(synth, name.constData(), 1) != FLUID_FAILED;
}

QByteArray readSongFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(FluidSequencer::kMaxFileSize + 1);
}

quint32 bigEndian(const QByteArray& data, qsizetype pos, int bytes) {
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<quint8>(data[pos + i]);
    return value;
}

// Walks the events of one track chunk: every length must stay inside the chunk, every data
// byte must be below 0x80, and running status needs an earlier status byte.
bool trackIsWellFormed(const QByteArray& data, qsizetype pos, qsizetype end) {
    auto byte = [&](quint8& out) {
        if (pos >= end)
            return false;
        out = static_cast<quint8>(data[pos++]);
        return true;
    };
    auto varLen = [&](quint32& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            quint8 b = 0;
            if (!byte(b))
                return false;
            out = (out << 7) | (b & 0x7Fu);
            if (!(b & 0x80u))
                return true;
        }
        return false;
    };
    auto skip = [&](quint32 count) {
        if (count > static_cast<quint64>(end - pos))
            return false;
        pos += count;
        return true;
    };

    quint8 running = 0;
    while (pos < end) {
        quint32 delta = 0, length = 0;
        quint8 status = 0, first = 0;
        if (!varLen(delta) || !byte(status))
            return false;
        if (status == 0xFF) {
            quint8 type = 0;
            if (!byte(type) || !varLen(length) || !skip(length))
                return false;
            if (type == 0x2F)
                return true;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            if (!varLen(length) || !skip(length))
                return false;
            continue;
        }
        if (status & 0x80u) {
            if (status >= 0xF0)
                return false;
            running = status;
            if (!byte(first))
                return false;
        } else {
            if (!running)
                return false;
            first = status;
        }
        if (first & 0x80u)
            return false;
        const int kind = running & 0xF0;
        if (kind != 0xC0 && kind != 0xD0) {
            quint8 second = 0;
            if (!byte(second) || (second & 0x80u))
                return false;
        }
    }
    return true;
}

} // namespace

bool FluidSequencer::isStandardMidiFile(const QByteArray& data) {
    if (data.size() < 22 || data.size() > kMaxFileSize || !data.startsWith("MThd"))
        return false;
    const quint32 headerLength = bigEndian(data, 4, 4);
    if (headerLength < 6 || headerLength > static_cast<quint64>(data.size() - 8))
        return false;
    const quint32 format = bigEndian(data, 8, 2);
    const quint32 tracks = bigEndian(data, 10, 2);
    const quint32 division = bigEndian(data, 12, 2);
    if (format > 2 || tracks == 0 || division == 0 || ((division & 0x8000u) && !(division & 0xFFu)))
        return false;

    qsizetype pos = 8 + static_cast<qsizetype>(headerLength);
    quint32 found = 0;
    while (found < tracks && data.size() - pos >= 8) {
        const quint32 length = bigEndian(data, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (length > static_cast<quint64>(data.size() - body))
            return false;
        const qsizetype end = body + static_cast<qsizetype>(length);
        if (data.mid(pos, 4) == "MTrk") {
            if (!trackIsWellFormed(data, body, end))
                return false;
            ++found;
        }
        pos = end;
    }
    return found == tracks;
}

QString FluidSequencer::systemSoundFont() {
    const QString folder = QStringLiteral("/usr/share/sounds/sf2");
    const QFileInfo preferred(folder + QStringLiteral("/default-GM.sf2"));
    if (preferred.isFile() && preferred.isReadable())
        return preferred.filePath();
    const QFileInfoList others = QDir(folder).entryInfoList({QStringLiteral("*.sf2"), QStringLiteral("*.SF2")},
                                                            QDir::Files | QDir::Readable, QDir::Name);
    return others.isEmpty() ? QString() : others.first().filePath();
}

std::vector<float> renderSong(const QString& path, const QString& soundFont, double maxSeconds) {
    const QByteArray data = readSongFile(path);
    if (!FluidSequencer::isStandardMidiFile(data))
        return {};
    const QString font = soundFont.isEmpty() ? FluidSequencer::systemSoundFont() : soundFont;
    if (font.isEmpty())
        return {};

    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(makeSettings(),
                                                                                 &delete_fluid_settings);
    if (!settings)
        return {};
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(new_fluid_synth(settings.get()),
                                                                        &delete_fluid_synth);
    if (!synth || !loadSoundFont(synth.get(), font))
        return {};
    std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(new_fluid_player(synth.get()),
                                                                           &delete_fluid_player);
    if (!player || fluid_player_add_mem(player.get(), data.constData(), static_cast<size_t>(data.size())) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        return {};

    const auto maxFrames = static_cast<std::size_t>(std::max(0.0, maxSeconds) * kRenderSampleRate);
    std::vector<float> samples;
    std::size_t frames = 0;
    while (frames < maxFrames && fluid_player_get_status(player.get()) != FLUID_PLAYER_DONE) {
        samples.resize(2 * (frames + kBlockFrames));
        float* block = samples.data() + 2 * frames;
        fluid_synth_write_float(synth.get(), kBlockFrames, block, 0, 2, block, 1, 2);
        frames += kBlockFrames;
    }
    // A file FluidSynth could not parse ends at once with no ticks at all.
    if (fluid_player_get_total_ticks(player.get()) <= 0)
        return {};
    samples.resize(2 * std::min(frames, maxFrames));
    return samples;
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

private:
    void run() {
        if (init()) {
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
        synth = settings ? new_fluid_synth(settings) : nullptr;
        if (!synth)
            return fail(QStringLiteral("the synthesizer could not be created"));
        const QString font = options.soundFont.isEmpty() ? systemSoundFont() : options.soundFont;
        if (font.isEmpty())
            return fail(QStringLiteral("no soundfont found"));
        if (!loadSoundFont(synth, font))
            return fail(QStringLiteral("the soundfont %1 could not be loaded").arg(font));
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
            // JACK is left out on purpose: its client may start a server of its own.
            for (const char* name : {"pipewire", "pulseaudio", "alsa"}) {
                if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK)
                    continue;
                driver = new_fluid_audio_driver2(settings, &Engine::render, this);
                if (driver)
                    return true;
            }
            return fail(QStringLiteral("no audio device"));
        }
        return false;
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
            if (ticks > 0)
                finished = loaded;
            else
                setError(QStringLiteral("the song could not be played"));
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
    QByteArray data = readSongFile(m_fileName);
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
    }
}

} // namespace music
