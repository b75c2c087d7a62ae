#pragma once
// The sequencer player on FluidSynth. Everything slow (loading the soundfont, opening the sound
// device, rendering) happens on a worker thread that is started by the first "Open"; the
// commands only record what the player should be doing and return at once. The end of a song is
// picked up by a timer on the user-interface thread, so `done` always comes through the event
// loop. A player that cannot play (no soundfont, no sound device, a file FluidSynth rejects)
// stays silent and never reports an end.

#include "music/Sequencer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

namespace music {

class FluidSequencer : public Sequencer {
    Q_OBJECT
public:
    enum class Output {
        System,  // the desktop's sound server or sound card
        Virtual, // a paced render thread whose sound goes nowhere (tests, benchmarks)
        None,    // no output at all: the player stays silent
    };
    enum class EngineState { NotStarted, Starting, Ready, Failed };

    struct Options {
        QString soundFont;         // empty: the system's General MIDI soundfont
        Output output = Output::System;
        // The sound systems the System output tries, in turn: a FluidSynth driver name, or
        // "driver:device" to name the device too ("alsa:hw:1,0"). JACK is left out on purpose:
        // its client may start a server of its own.
        QStringList audioDrivers{QStringLiteral("pipewire"), QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
        double virtualSpeed = 1.0; // how much faster than real time the virtual output runs
        // A song still playing after this long (a damaged file can keep going) is stopped and
        // reported as ended.
        std::chrono::milliseconds maxSongLength = std::chrono::minutes(6);
        std::chrono::milliseconds pollInterval = std::chrono::milliseconds(150); // for the end of a song
        // How long the worker waits before it loads the synth.
        std::chrono::milliseconds startDelay = std::chrono::milliseconds(100);
    };

    explicit FluidSequencer(QObject* parent = nullptr);
    explicit FluidSequencer(Options options, QObject* parent = nullptr);
    ~FluidSequencer() override;

    void setDeviceType(const QString& deviceType) override;
    void setFileName(const QString& fileName) override;
    void sendCommand(const QString& command) override;
    bool isSongOpen() const override;

    // True while the synth is actually playing the open song.
    bool isPlaying() const;
    // True while the player waits to report the end of the song.
    bool isWatchingForEnd() const;
    EngineState engineState() const;
    // What last kept the player silent, in words; empty when nothing went wrong.
    QString lastError() const;

    // /usr/share/sounds/sf2/default-GM.sf2, or else another soundfont there; empty if none.
    static QString systemSoundFont();

private:
    struct Engine;

    void open();
    void play();
    void stop();
    void close();
    void pushWish();
    void poll();

    Options m_options;
    QString m_deviceType;
    QString m_fileName;
    QString m_error;
    bool m_open = false;
    bool m_playWanted = false;
    quint64 m_song = 0; // numbers each successful Open
    QByteArray m_songData;
    std::shared_ptr<Engine> m_engine;
    QTimer m_poll;
};

} // namespace music
