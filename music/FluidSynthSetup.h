#pragma once
// What the player and the offline renderer share in setting FluidSynth up. Used inside this
// library only: it brings in FluidSynth's own header.

#include <fluidsynth.h>

#include <QString>

namespace music::fluid {

// Frames rendered at a time, offline and by the virtual output.
inline constexpr int kBlockFrames = 512;

// Settings for our synths (sample rate, gain, timing), with FluidSynth's logging silenced.
// Null if FluidSynth cannot make any.
fluid_settings_t* makeSettings();

// Loads the soundfont into the synth; false if the file is no soundfont or does not load.
bool loadSoundFont(fluid_synth_t* synth, const QString& path);

} // namespace music::fluid
