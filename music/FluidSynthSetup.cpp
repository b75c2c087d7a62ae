#include "music/FluidSynthSetup.h"

#include "music/SongRender.h"

#include <QFile>

#include <mutex>

namespace music::fluid {

namespace {

// Loud enough for background music, with headroom for the busier songs.
constexpr double kGain = 1.0;

void quietLog(int, const char*, void*) {}

// FluidSynth prints its complaints (no sound device, bad files) on stderr by default; ours go
// into the player's lastError() instead.
void silenceFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietLog, nullptr);
    });
}

} // namespace

fluid_settings_t* makeSettings() {
    silenceFluidLog();
    fluid_settings_t* settings = new_fluid_settings();
    if (settings) {
        fluid_settings_setnum(settings, "synth.sample-rate", kRenderSampleRate);
        fluid_settings_setnum(settings, "synth.gain", kGain);
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        // Locking the samples into memory holds the process's memory map while megabytes are
        // paged in, which stalls the other threads, the user interface's included.
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        // Only the samples of the instruments a song selects are read in, when it selects them,
        // rather than the whole soundfont: the songs use a handful of its instruments.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    }
    return settings;
}

// Checked first: FluidSynth hands files that are no SoundFont to a library that complains on
// stderr.
bool loadSoundFont(fluid_synth_t* synth, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return fluid_is_soundfont(name.constData()) && fluid_synth_sfload(synth, name.constData(), 1) != FLUID_FAILED;
}

} // namespace music::fluid
