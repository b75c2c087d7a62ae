#include "music/SongRender.h"

#include "music/FluidSequencer.h"
#include "music/FluidSynthSetup.h"
#include "music/MidiFileCheck.h"

#include <algorithm>
#include <memory>

namespace music {

using fluid::kBlockFrames;
using fluid::loadSoundFont;
using fluid::makeSettings;

std::vector<float> renderSong(const QString& path, const QString& soundFont, double maxSeconds, SoundFontUse use) {
    const QByteArray data = readMidiFile(path);
    if (!isStandardMidiFile(data))
        return {};
    const QString font = soundFont.isEmpty() ? FluidSequencer::systemSoundFont() : soundFont;
    if (font.isEmpty())
        return {};

    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(makeSettings(),
                                                                                 &delete_fluid_settings);
    if (!settings)
        return {};
    // Declared before the synth, so that its view is forgotten after the synth is deleted.
    struct Loaded {
        fluid::LoadedFont font;
        ~Loaded() { fluid::forgetView(font); }
    } loaded;
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(fluid::newSynth(settings.get()),
                                                                        &delete_fluid_synth);
    if (!synth)
        return {};
    const std::set<int> programs = programsNamedBy(data);
    loaded.font = loadSoundFont(synth.get(), font, use == SoundFontUse::SongsPrograms ? &programs : nullptr);
    if (loaded.font.id == FLUID_FAILED)
        return {};
    std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(new_fluid_player(synth.get()),
                                                                           &delete_fluid_player);
    if (!player || fluid_player_add_mem(player.get(), data.constData(), static_cast<size_t>(data.size())) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        return {};

    const auto maxFrames = static_cast<std::size_t>(std::max(0.0, maxSeconds) * kRenderSampleRate);
    std::vector<float> samples;
    std::size_t frames = 0;
    while (frames < maxFrames && fluid_player_get_status(player.get()) != FLUID_PLAYER_DONE) {
        samples.resize(2 * (frames + kBlockFrames));
        float* block = samples.data() + 2 * frames;
        fluid_synth_write_float(synth.get(), kBlockFrames, block, 0, 2, block, 1, 2);
        frames += kBlockFrames;
    }
    // A file FluidSynth could not parse ends at once with no ticks at all.
    if (fluid_player_get_total_ticks(player.get()) <= 0)
        return {};
    samples.resize(2 * std::min(frames, maxFrames));
    return samples;
}

} // namespace music
