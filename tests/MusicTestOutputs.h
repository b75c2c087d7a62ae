#pragma once
// The real player without a sound card: an output that renders at a steady pace into nothing,
// and one that cannot be opened.

#include "music/FluidPlayer.h"
#include "music/SynthEngine.h"

namespace musictest {

inline constexpr int kBlockFrames = 512;
inline constexpr int kSampleRate = music::SynthEngine::kSampleRate;

// Renders a block every block's length of time, `speed` times faster than real time.
music::OutputFactory pacedOutput(double speed = 1.0);
music::OutputFactory noOutput();

// The player on a paced output, `speed` times faster than real time, looking for the song's end
// every 20 ms.
music::FluidPlayer::Options quickOptions(double speed = 1.0);

} // namespace musictest
