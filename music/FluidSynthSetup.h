#pragma once
// What the player and the offline renderer share in setting FluidSynth up. Used inside this
// library only: it brings in FluidSynth's own header.

#include <fluidsynth.h>

#include <QString>

#include <optional>
#include <set>
#include <string>

namespace music::fluid {

// Frames rendered at a time, offline and by the virtual output.
inline constexpr int kBlockFrames = 512;

// Voices the synth keeps ready.
inline constexpr int kPolyphony = 128;

// Settings for our synths (sample rate, gain, timing), with FluidSynth's logging silenced.
// Null if FluidSynth cannot make any.
fluid_settings_t* makeSettings();

// A synth that can be shown soundfonts cut down to a song's programs (see SoundFontView), or
// null.
fluid_synth_t* newSynth(fluid_settings_t* settings);

// A soundfont in a synth: FluidSynth's id for it (FLUID_FAILED if none), and the name the synth
// knows its cut-down view by, which FluidSynth opens again whenever it loads samples.
struct LoadedFont {
    int id = FLUID_FAILED;
    std::string viewName;
    std::optional<std::set<int>> programs; // those it has presets for; none given: all of them
    bool covers(const std::set<int>& wanted) const;
};

// Loads the soundfont at `path` into a synth from newSynth(), with only the presets of
// `programs` when they are given and the file lends itself to that, or else whole. id is
// FLUID_FAILED if the file is no soundfont or does not load. Every channel chooses its preset
// again, from this soundfont first.
LoadedFont loadSoundFont(fluid_synth_t* synth, const QString& path, const std::set<int>* programs = nullptr);

// Unloads it from a synth that goes on playing; the channels choose their presets from what
// remains. Forgets its view.
void unloadSoundFont(fluid_synth_t* synth, LoadedFont& font);

// Forgets its view once the synth that had it loaded is deleted.
void forgetView(LoadedFont& font);

} // namespace music::fluid
