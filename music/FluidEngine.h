#pragma once
// The synth on FluidSynth: the settings, the synth with the soundfont, the open song's file player
// and the sound output, each owned by a unique_ptr with its delete function and declared in the
// order they are made, so they go in reverse: the output first (nothing renders any more), the
// settings last. Only the output's thread calls render() beside the user's, and a lock keeps it
// off the file player meanwhile.

#include "music/SynthEngine.h"

#include <fluidsynth.h>

#include <mutex>

namespace music {

template <class T, void (*Delete)(T*)>
struct Deleter { void operator()(T* object) const { Delete(object); } };
template <class T, void (*Delete)(T*)>
using Owned = std::unique_ptr<T, Deleter<T, Delete>>;

class FluidEngine : public SynthEngine {
public:
    bool start(const QString& soundFont, const OutputFactory& output, const QStringList& audioDrivers) override;
    bool load(const QByteArray& song) override;
    bool play() override;
    void silence() override;
    SongStatus status() override;
    QString error() const override { return m_error; }

    // Fills `frames` stereo frames with what the synth plays.
    void render(int frames, float* left, float* right);

private:
    bool fail(const QString& why);
    bool openAudioDriver(const QStringList& audioDrivers);

    QString m_error;
    std::mutex m_rendering;
    qint64 m_rendered = 0;     // frames rendered so far
    qint64 m_lastEventAt = -1; // m_rendered when the song's last event had played
    Owned<fluid_settings_t, delete_fluid_settings> m_settings;
    Owned<fluid_synth_t, delete_fluid_synth> m_synth;
    Owned<fluid_player_t, delete_fluid_player> m_player;
    std::unique_ptr<AudioOutput> m_output;
};

} // namespace music
