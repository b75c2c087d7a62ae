#pragma once
// The song player on FluidSynth. The slow part, loading the synth module and setting up the
// synth, runs on a thread of its own from the first song; play() returns at once, and the song
// starts once the synth is ready. The end of a song is picked up by a timer, so `finished`
// always comes through the event loop.

#include "music/SongPlayer.h"
#include "music/SynthEngine.h"

#include <QTimer>

#include <chrono>

namespace music {

class FluidPlayer : public SongPlayer {
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

    FluidPlayer();
    explicit FluidPlayer(Options options, QObject* parent = nullptr);
    ~FluidPlayer() override;

    void play(const QString& file) override;
    void stop() override;
    bool isPlaying() const override { return m_open; }

    // True while the synth is actually playing the open song.
    bool isSounding() const { return m_playing; }
    // True while the player waits to report the end of the song.
    bool isWatchingForEnd() const { return m_poll.isActive(); }
    EngineState engineState() const { return m_state; }
    // What last kept the player silent, in words; empty when nothing went wrong.
    QString lastError() const { return m_error; }

    // /usr/share/sounds/sf2/default-GM.sf2, or else another soundfont there; empty if none.
    static QString systemSoundFont();

private:
    struct Start;

    void startEngine();
    void engineStarted(std::shared_ptr<SynthEngine> engine, const QString& error);
    void startSong();
    void poll();

    Options m_options;
    QString m_error;
    EngineState m_state = EngineState::NotStarted;
    std::shared_ptr<Start> m_start;        // the set-up under way
    std::shared_ptr<SynthEngine> m_engine; // once ready
    QByteArray m_song;                     // the open song
    bool m_open = false;
    bool m_playing = false; // the synth is playing the open song
    std::chrono::steady_clock::time_point m_startedAt;
    QTimer m_poll;
};

} // namespace music
