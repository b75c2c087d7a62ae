#pragma once
// The offline render of a song to memory, for checking how the songs sound without any audio
// device.

#include <QString>

#include <vector>

namespace music {

inline constexpr int kRenderSampleRate = 44100;

// How much of the soundfont the synth is given: the presets of the song's programs, as the
// player does, or all of it.
enum class SoundFontUse { SongsPrograms, Whole };

// Renders a song through FluidSynth into memory, without any audio device: interleaved stereo
// at kRenderSampleRate, up to maxSeconds long. Empty if the file, the soundfont or the synth
// fails. An empty soundFont means the system's one.
std::vector<float> renderSong(const QString& path, const QString& soundFont = {}, double maxSeconds = 360.0,
                              SoundFontUse use = SoundFontUse::SongsPrograms);

} // namespace music
