#include "music/FluidEngine.h"

#include <QFile>
#include <QObject>

#include <alsa/asoundlib.h>

namespace music {

namespace {

// A song has ended once its last event has played and its sound has died away, or this long
// after its last event if a voice lingers on.
constexpr int kMaxFadeSamples = SynthEngine::kSampleRate;

// ALSA's own complaints ("cannot find card '0'") when FluidSynth tries it without a device.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Each voice costs memory whether it sounds or not; the busiest of our songs sounds 76 at once.
constexpr int kPolyphony = 128;

// FluidSynth's audio driver, which asks for every block the sound device wants.
struct DriverOutput : AudioOutput {
    static int fill(void* data, int len, int, float*[], int nout, float* out[]) {
        if (nout >= 2)
            static_cast<DriverOutput*>(data)->render(len, out[0], out[1]);
        return FLUID_OK;
    }
    RenderFunction render;
    Owned<fluid_audio_driver_t, delete_fluid_audio_driver> driver;
};

// The module's entry, which the player finds by its interface.
class FluidSynthModule : public QObject, public SynthModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.zelvoria.SynthModule/1")
    Q_INTERFACES(music::SynthModule)
public:
    std::unique_ptr<SynthEngine> makeEngine() override { return std::make_unique<FluidEngine>(); }
};

} // namespace

bool FluidEngine::fail(const QString& why) {
    m_error = why;
    return false;
}

bool FluidEngine::start(const QString& soundFont, const OutputFactory& output,
                        const QStringList& audioDrivers) {
    // FluidSynth and ALSA print their complaints (no sound device, bad files) on stderr; ours go
    // into the player's lastError() instead. The setting is the process's: made once.
    [[maybe_unused]] static const bool silenced = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(quietAlsa);
        return true;
    }();
    m_settings.reset(new_fluid_settings());
    if (!m_settings)
        return fail(QStringLiteral("the synthesizer could not be created"));
    fluid_settings_t* settings = m_settings.get();
    fluid_settings_setnum(settings, "synth.sample-rate", double(kSampleRate));
    fluid_settings_setnum(settings, "synth.gain", 1.0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    // Locking the samples into memory holds the process's memory map while megabytes are paged
    // in, which stalls the other threads, the user interface's included.
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    // Only the samples of the instruments a song selects are read in, when it selects them.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
    m_synth.reset(new_fluid_synth(settings));
    if (!m_synth)
        return fail(QStringLiteral("the synthesizer could not be created"));
    if (soundFont.isEmpty())
        return fail(QStringLiteral("no soundfont found"));
    // Checked first: FluidSynth hands files that are no SoundFont to a library that complains.
    const QByteArray fileName = QFile::encodeName(soundFont);
    if (!fluid_is_soundfont(fileName.constData())
        || fluid_synth_sfload(m_synth.get(), fileName.constData(), 1) == FLUID_FAILED)
        return fail(QStringLiteral("the soundfont %1 could not be loaded").arg(soundFont));
    if (!output)
        return openAudioDriver(audioDrivers);
    m_output = output([this](int frames, float* left, float* right) { render(frames, left, right); });
    return m_output ? true : fail(QStringLiteral("no audio output"));
}

// "driver" or "driver:device". The device of an earlier entry must not stick to a later one,
// so a driver named alone gets its default device back.
bool FluidEngine::openAudioDriver(const QStringList& audioDrivers) {
    fluid_settings_t* settings = m_settings.get();
    for (const QString& entry : audioDrivers) {
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        const QByteArray name = entry.left(colon).toLatin1();
        const QByteArray setting = "audio." + name + ".device";
        QByteArray device = colon >= 0 ? entry.mid(colon + 1).toLocal8Bit() : QByteArray();
        char* usual = nullptr;
        if (colon < 0 && fluid_settings_getstr_default(settings, setting.constData(), &usual) == FLUID_OK)
            device = usual;
        if (fluid_settings_setstr(settings, "audio.driver", name.constData()) != FLUID_OK)
            continue;
        if (!device.isEmpty() && fluid_settings_setstr(settings, setting.constData(), device.constData()) != FLUID_OK)
            continue;
        auto driver = std::make_unique<DriverOutput>();
        driver->render = [this](int frames, float* left, float* right) { render(frames, left, right); };
        driver->driver.reset(new_fluid_audio_driver2(settings, &DriverOutput::fill, driver.get()));
        if (driver->driver) {
            m_output = std::move(driver);
            return true;
        }
    }
    return fail(QStringLiteral("no audio device"));
}

void FluidEngine::render(int frames, float* left, float* right) {
    std::lock_guard lock(m_rendering);
    fluid_synth_write_float(m_synth.get(), frames, left, 0, 1, right, 0, 1);
    m_rendered += frames;
}

bool FluidEngine::load(const QByteArray& song) {
    silence();
    std::lock_guard lock(m_rendering);
    m_player.reset();
    m_lastEventAt = -1;
    if (song.isEmpty())
        return true;
    m_player.reset(new_fluid_player(m_synth.get()));
    const auto size = static_cast<size_t>(song.size());
    if (m_player && fluid_player_add_mem(m_player.get(), song.constData(), size) == FLUID_OK)
        return true;
    m_player.reset();
    return false;
}

bool FluidEngine::play() {
    std::lock_guard lock(m_rendering);
    return m_player && fluid_player_play(m_player.get()) == FLUID_OK;
}

void FluidEngine::silence() {
    std::lock_guard lock(m_rendering);
    if (m_player)
        fluid_player_stop(m_player.get());
    fluid_synth_all_sounds_off(m_synth.get(), -1);
}

FluidEngine::SongStatus FluidEngine::status() {
    if (!m_player)
        return SongStatus::Playing;
    // The player's status is an atomic of FluidSynth's, read without waiting for the sound.
    const bool done = fluid_player_get_status(m_player.get()) == FLUID_PLAYER_DONE;
    std::lock_guard lock(m_rendering);
    const int total = fluid_player_get_total_ticks(m_player.get());
    if (done) // FluidSynth ends a file it could not parse at once and with no ticks
        return total > 0 ? SongStatus::Ended : SongStatus::Unplayable;
    // FluidSynth reports done only seconds after the last note has faded.
    if (total <= 0 || fluid_player_get_current_tick(m_player.get()) < total)
        return SongStatus::Playing;
    const qint64 now = m_rendered;
    if (m_lastEventAt < 0)
        m_lastEventAt = now;
    const bool silent = fluid_synth_get_active_voice_count(m_synth.get()) == 0;
    return silent || now - m_lastEventAt >= kMaxFadeSamples ? SongStatus::Ended : SongStatus::Playing;
}

} // namespace music

#include "FluidEngine.moc"
