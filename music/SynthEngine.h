#pragma once
// The synthesizer behind the player and where its sound goes. The synth lives in a module of its
// own, synth/libzelvoria-synth.so beside the program, which links FluidSynth: the player opens it
// on its set-up thread at the first song, so a run without music never loads FluidSynth and the
// forty libraries it brings, and the user interface never waits for them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>
#include <memory>

namespace music {

// The program plays through FluidSynth's audio driver; tests and benchmarks put in its place an
// output of their own, which calls `render` on a thread of its own until it is destroyed.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
};
using RenderFunction = std::function<void(int frames, float* left, float* right)>;
// Null for an output that cannot be opened.
using OutputFactory = std::function<std::unique_ptr<AudioOutput>(RenderFunction render)>;

class SynthEngine {
public:
    enum class SongStatus { Playing, Ended, Unplayable };
    static constexpr int kSampleRate = 44100;

    virtual ~SynthEngine() = default;
    // Sets up the synth with `soundFont` and opens the output: `output` when given, or else
    // FluidSynth's audio driver on the first of `audioDrivers` that opens ("driver" or
    // "driver:device"). False, with error() saying why, when anything fails.
    virtual bool start(const QString& soundFont, const OutputFactory& output, const QStringList& audioDrivers) = 0;
    // Replaces the open song; an empty one closes it. False when the synth takes no song from it.
    virtual bool load(const QByteArray& song) = 0;
    virtual bool play() = 0;
    virtual void silence() = 0;
    // Ended once the last event has played and the sound has died away.
    virtual SongStatus status() = 0;
    virtual QString error() const = 0;
};

class SynthModule {
public:
    virtual ~SynthModule() = default;
    virtual std::unique_ptr<SynthEngine> makeEngine() = 0;
};

} // namespace music

Q_DECLARE_INTERFACE(music::SynthModule, "org.example.zelvoria.SynthModule/1")
