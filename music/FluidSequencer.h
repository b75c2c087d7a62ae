#pragma once
// The sequencer player on FluidSynth. The slow part, loading the synth module and setting up the
// synth, runs on a thread of its own from the first "Open"; the commands return at once, and what
// they asked for meanwhile is done once the synth is ready. The end of a song is picked up by a
// timer, so `done` always comes through the event loop. A player that cannot play (no soundfont,
// no sound device, a file FluidSynth rejects) stays silent and never reports an end.

#include "music/Sequencer.h"
#include "music/SynthEngine.h"

#include <QTimer>

#include <chrono>

namespace music {

class FluidSequencer : public Sequencer {
    Q_OBJECT
public:
    enum class EngineState { NotStarted, Starting, Ready, Failed };

    struct Options {
        QString soundFont; // empty: the system's General MIDI soundfont
        // Where the sound goes; none given: the first of audioDrivers that opens ("driver" or
        // "driver:device"). Not JACK, on purpose: its client may start a server of its own.
        OutputFactory output;
        QStringList audioDrivers{QStringLiteral("pipewire"), QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
        // Longer than this (a damaged file can keep going), a song is stopped and reported ended.
        std::chrono::milliseconds maxSongLength = std::chrono::minutes(6);
        std::chrono::milliseconds pollInterval = std::chrono::milliseconds(150); // for the end of a song
    };

    FluidSequencer();
    explicit FluidSequencer(Options options, QObject* parent = nullptr);
    ~FluidSequencer() override;

    void setDeviceType(const QString& deviceType) override { m_deviceType = deviceType; }
    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void sendCommand(const QString& command) override;
    bool isSongOpen() const override { return m_open; }

    // True while the synth is actually playing the open song.
    bool isPlaying() const { return m_playing; }
    // True while the player waits to report the end of the song.
    bool isWatchingForEnd() const { return m_poll.isActive(); }
    EngineState engineState() const { return m_state; }
    // What last kept the player silent, in words; empty when nothing went wrong.
    QString lastError() const { return m_error; }

    // /usr/share/sounds/sf2/default-GM.sf2, or else another soundfont there; empty if none.
    static QString systemSoundFont();

private:
    struct Start;

    void open();
    void close();
    void stop();
    void startEngine();
    void engineStarted(std::shared_ptr<SynthEngine> engine, const QString& error);
    void loadSong();
    void play();
    void poll();

    Options m_options;
    QString m_deviceType;
    QString m_fileName;
    QString m_error;
    EngineState m_state = EngineState::NotStarted;
    std::shared_ptr<Start> m_start;        // the set-up under way
    std::shared_ptr<SynthEngine> m_engine; // once ready
    QByteArray m_song;                     // the open song
    bool m_open = false;
    bool m_playWanted = false;
    bool m_playing = false;
    bool m_ended = false; // reached its end or its time limit: Play does not start it again
    std::chrono::steady_clock::time_point m_startedAt;
    QTimer m_poll;
};

} // namespace music
