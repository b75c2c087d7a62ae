#include "music/FluidSynthSetup.h"

#include "music/SongRender.h"
#include "music/SoundFontView.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
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

// The cut-down soundfonts the synths may open, by the names they were loaded under. FluidSynth
// knows a soundfont only by its file name, and opens it again each time it loads samples.
struct Views {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const SoundFontView>> byName;
    quint64 made = 0;

    static Views& instance() {
        static Views views;
        return views;
    }
};

// An open view, as FluidSynth's file callbacks see it.
struct OpenView {
    std::shared_ptr<const SoundFontView> view;
    QFile file;
    qint64 pos = 0;
};

void* openView(const char* name) {
    std::shared_ptr<const SoundFontView> view;
    {
        Views& views = Views::instance();
        std::lock_guard lock(views.mutex);
        const auto found = views.byName.find(name);
        if (found == views.byName.end())
            return nullptr; // not one of ours: the next loader takes it
        view = found->second;
    }
    auto open = std::make_unique<OpenView>();
    open->view = std::move(view);
    open->file.setFileName(open->view->path());
    if (!open->file.open(QIODevice::ReadOnly))
        return nullptr;
    return open.release();
}

int readView(void* buffer, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenView*>(handle);
    if (!open->view->read(open->file, open->pos, static_cast<char*>(buffer), count))
        return FLUID_FAILED;
    open->pos += count;
    return FLUID_OK;
}

int seekView(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenView*>(handle);
    const qint64 base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? open->pos : open->view->size();
    if (offset < -base || offset > open->view->size() - base)
        return FLUID_FAILED;
    open->pos = base + offset;
    return FLUID_OK;
}

fluid_long_long_t tellView(void* handle) {
    return static_cast<OpenView*>(handle)->pos;
}

int closeView(void* handle) {
    delete static_cast<OpenView*>(handle);
    return FLUID_OK;
}

} // namespace

bool LoadedFont::covers(const std::set<int>& wanted) const {
    return id != FLUID_FAILED
        && (!programs || std::includes(programs->begin(), programs->end(), wanted.begin(), wanted.end()));
}

fluid_synth_t* newSynth(fluid_settings_t* settings) {
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth)
        return nullptr;
    // Tried before FluidSynth's own loader, which then gets every name that is not a view.
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (loader) {
        fluid_sfloader_set_callbacks(loader, openView, readView, seekView, tellView, closeView);
        fluid_synth_add_sfloader(synth, loader);
    }
    return synth;
}

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
        // Each voice costs memory whether it sounds or not; the busiest of our songs sounds 76 at once.
        fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
    }
    return settings;
}

// Checked first: FluidSynth hands files that are no SoundFont to a library that complains on
// stderr.
LoadedFont loadSoundFont(fluid_synth_t* synth, const QString& path, const std::set<int>* programs) {
    LoadedFont font;
    const QByteArray fileName = QFile::encodeName(path);
    if (!fluid_is_soundfont(fileName.constData()))
        return font;
    std::shared_ptr<const SoundFontView> view = programs ? SoundFontView::make(path, *programs) : nullptr;
    if (view) {
        Views& views = Views::instance();
        std::lock_guard lock(views.mutex);
        font.viewName = "zelvoria-soundfont-view:" + std::to_string(++views.made);
        views.byName.emplace(font.viewName, view);
        font.programs = *programs;
    }
    font.id = fluid_synth_sfload(synth, view ? font.viewName.c_str() : fileName.constData(), 1);
    if (font.id == FLUID_FAILED)
        unloadSoundFont(synth, font);
    return font;
}

void unloadSoundFont(fluid_synth_t* synth, LoadedFont& font) {
    if (font.id != FLUID_FAILED)
        fluid_synth_sfunload(synth, font.id, 1);
    forgetView(font);
}

void forgetView(LoadedFont& font) {
    if (!font.viewName.empty()) {
        Views& views = Views::instance();
        std::lock_guard lock(views.mutex);
        views.byName.erase(font.viewName);
    }
    font = {};
}

} // namespace music::fluid
