#include "music/FluidPlayer.h"

#include "music/MidiFileCheck.h"

#include <QDir>
#include <QPluginLoader>

#include <future>
#include <mutex>
#include <thread>

namespace music {

QString FluidPlayer::systemSoundFont() {
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
struct FluidPlayer::Start {
    std::mutex mutex;
    FluidPlayer* owner = nullptr;
    std::promise<void> finished;
};

FluidPlayer::FluidPlayer() : FluidPlayer(Options{}) {}

FluidPlayer::FluidPlayer(Options options, QObject* parent)
    : SongPlayer(parent), m_options(std::move(options)) {
    m_poll.setInterval(m_options.pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &FluidPlayer::poll);
}

FluidPlayer::~FluidPlayer() {
    if (!m_start)
        return;
    std::future<void> finished = m_start->finished.get_future();
    {
        std::lock_guard lock(m_start->mutex);
        m_start->owner = nullptr;
    }
    finished.wait_for(std::chrono::seconds(2));
}

void FluidPlayer::play(const QString& file) {
    stop();
    if (m_state == EngineState::Failed)
        return; // the error says why
    QByteArray data = readMidiFile(file);
    if (!isStandardMidiFile(data)) {
        m_error = QStringLiteral("%1 is missing or not a Standard MIDI File").arg(file);
        return;
    }
    m_error.clear();
    m_song = std::move(data);
    m_open = true;
    m_poll.start();
    if (m_state == EngineState::NotStarted)
        startEngine();
    startSong();
}

void FluidPlayer::stop() {
    if (!m_open)
        return;
    m_open = false;
    m_playing = false;
    m_poll.stop();
    m_song.clear();
    if (m_engine)
        m_engine->load({}); // silence, and the synth forgets the song
}

void FluidPlayer::startEngine() {
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

void FluidPlayer::engineStarted(std::shared_ptr<SynthEngine> engine, const QString& error) {
    m_start.reset();
    m_engine = std::move(engine);
    m_state = m_engine ? EngineState::Ready : EngineState::Failed;
    if (!m_engine) {
        m_error = error;
        m_poll.stop();
        return;
    }
    if (m_open)
        startSong(); // asked for while the synth was being set up
}

// The open song goes to the synth once it is ready. One the synth takes nothing from will never
// end: nothing to watch for, and the song stays open, silent, until stop().
void FluidPlayer::startSong() {
    if (!m_engine)
        return;
    if (!m_engine->load(m_song) || !m_engine->play()) {
        m_error = QStringLiteral("the song could not be played");
        m_poll.stop();
        return;
    }
    m_playing = true;
    m_startedAt = std::chrono::steady_clock::now();
}

void FluidPlayer::poll() {
    if (!m_playing)
        return; // the synth is still being set up
    const SynthEngine::SongStatus status = m_engine->status();
    const bool tooLong = std::chrono::steady_clock::now() - m_startedAt > m_options.maxSongLength;
    if (status == SynthEngine::SongStatus::Playing && !tooLong)
        return;
    if (status == SynthEngine::SongStatus::Unplayable) {
        m_engine->silence();
        m_playing = false;
        m_poll.stop();
        m_error = QStringLiteral("the song could not be played");
        return;
    }
    if (status == SynthEngine::SongStatus::Playing)
        m_error = QStringLiteral("the song was cut off at its time limit");
    stop();
    emit finished();
}

} // namespace music
