#include "music/FluidSequencer.h"

#include "music/MidiFileCheck.h"

#include <QDir>
#include <QPluginLoader>

#include <future>
#include <mutex>
#include <thread>

namespace music {

QString FluidSequencer::systemSoundFont() {
    const QDir folder(QStringLiteral("/usr/share/sounds/sf2"));
    const QStringList fonts = folder.entryList({QStringLiteral("*.sf2"), QStringLiteral("*.SF2")},
                                               QDir::Files | QDir::Readable, QDir::Name);
    const QString preferred = QStringLiteral("default-GM.sf2");
    if (fonts.contains(preferred))
        return folder.filePath(preferred);
    return fonts.isEmpty() ? QString() : folder.filePath(fonts.first());
}

// The set-up thread hands the engine over only while the player still wants it. A player that
// goes meanwhile waits a little for the thread to end, and leaves a thread stuck in a sound
// server to finish, and to end the engine, on its own.
struct FluidSequencer::Start {
    std::mutex mutex;
    FluidSequencer* owner = nullptr;
    std::promise<void> finished;
};

FluidSequencer::FluidSequencer() : FluidSequencer(Options{}) {}

FluidSequencer::FluidSequencer(Options options, QObject* parent)
    : Sequencer(parent), m_options(std::move(options)) {
    m_poll.setInterval(m_options.pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &FluidSequencer::poll);
}

FluidSequencer::~FluidSequencer() {
    if (!m_start)
        return;
    std::future<void> finished = m_start->finished.get_future();
    {
        std::lock_guard lock(m_start->mutex);
        m_start->owner = nullptr;
    }
    finished.wait_for(std::chrono::seconds(2));
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

void FluidSequencer::open() {
    close();
    if (m_state == EngineState::Failed)
        return; // the error says why
    if (m_deviceType.compare(QLatin1String("Sequencer"), Qt::CaseInsensitive) != 0) {
        m_error = QStringLiteral("the device type \"%1\" is not supported").arg(m_deviceType);
        return;
    }
    QByteArray data = readMidiFile(m_fileName);
    if (!isStandardMidiFile(data)) {
        m_error = QStringLiteral("%1 is missing or not a Standard MIDI File").arg(m_fileName);
        return;
    }
    m_error.clear();
    m_song = std::move(data);
    m_open = true;
    if (m_state == EngineState::NotStarted)
        startEngine();
    loadSong();
}

void FluidSequencer::startEngine() {
    m_state = EngineState::Starting;
    m_start = std::make_shared<Start>();
    m_start->owner = this;
    std::thread([start = m_start, options = m_options] {
        // The first song is asked for while the personal screen is built and painted; without this
        // pause the set-up takes a core from it (the first Proceed held 15 to 18 ms, 9 to 10 with it).
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // In synth/ beside the program, which is among the library paths.
        QPluginLoader loader(QStringLiteral("synth/zelvoria-synth"));
        auto* module = qobject_cast<SynthModule*>(loader.instance());
        std::shared_ptr<SynthEngine> engine = module ? module->makeEngine() : nullptr;
        const QString font = options.soundFont.isEmpty() ? systemSoundFont() : options.soundFont;
        QString error = QStringLiteral("the synth module could not be loaded: ") + loader.errorString();
        if (engine && !engine->start(font, options.output, options.audioDrivers)) {
            error = engine->error();
            engine.reset();
        }
        {
            std::lock_guard lock(start->mutex);
            if (start->owner) {
                QMetaObject::invokeMethod(start->owner, [owner = start->owner, engine, error] {
                    owner->engineStarted(engine, error);
                }, Qt::QueuedConnection);
            }
        }
        engine.reset(); // a player that went meanwhile leaves it to this thread
        start->finished.set_value();
    }).detach();
}

void FluidSequencer::engineStarted(std::shared_ptr<SynthEngine> engine, const QString& error) {
    m_start.reset();
    m_engine = std::move(engine);
    m_state = m_engine ? EngineState::Ready : EngineState::Failed;
    if (!m_engine) {
        m_error = error;
        m_poll.stop();
        return;
    }
    // What was asked for while the synth was being set up.
    loadSong();
    if (m_playWanted) {
        m_playWanted = false;
        play();
    }
}

// The open song, or silence when none is open, goes to the engine once it is ready.
void FluidSequencer::loadSong() {
    m_playing = false;
    m_ended = false;
    if (m_engine && !m_engine->load(m_open ? m_song : QByteArray()))
        m_error = QStringLiteral("the song could not be played");
}

void FluidSequencer::play() {
    if (!m_open || m_playWanted || m_ended)
        return;
    m_playWanted = true;
    m_poll.start();
    if (m_engine && m_engine->play()) {
        m_playing = true;
        m_startedAt = std::chrono::steady_clock::now();
    }
}

void FluidSequencer::stop() {
    if (!m_open)
        return;
    m_playWanted = false;
    m_poll.stop();
    if (m_engine)
        m_engine->silence();
    m_playing = false;
}

void FluidSequencer::close() {
    if (!m_open)
        return;
    stop();
    m_open = false;
    m_song.clear();
    loadSong();
}

void FluidSequencer::poll() {
    if (m_state == EngineState::Failed || !m_open || !m_playWanted) {
        m_poll.stop();
        return;
    }
    if (!m_playing) {
        if (m_engine)
            m_poll.stop(); // the synth took no song from the file: nothing will end
        return;            // or the synth is still being set up
    }
    const SynthEngine::SongStatus status = m_engine->status();
    const bool tooLong = std::chrono::steady_clock::now() - m_startedAt > m_options.maxSongLength;
    if (status == SynthEngine::SongStatus::Playing && !tooLong)
        return;
    m_engine->silence();
    m_playing = false;
    m_ended = true;
    m_poll.stop();
    if (status == SynthEngine::SongStatus::Unplayable) {
        // It will never end: nothing more to watch for. The wish to play stays, so the player
        // remains as it is until Stop or Close.
        m_error = QStringLiteral("the song could not be played");
        return;
    }
    if (status == SynthEngine::SongStatus::Playing)
        m_error = QStringLiteral("the song was cut off at its time limit");
    m_playWanted = false;
    emit done(1);
}

} // namespace music
