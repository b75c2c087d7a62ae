// FluidSynth is opened when the music first needs it, not when the program starts: the library
// brings some forty others with it (sound servers, codecs), whose loading would hold up the
// splash screen and cost memory in every run with the music off. The functions the player uses
// are defined here and forward to the library, which the first of them opens (on the player's
// worker thread). Without the library every function answers as FluidSynth does when it cannot
// make what was asked for, so the player stays silent.

#include <fluidsynth.h>

#include <dlfcn.h>

#include <cstring>
#include <mutex>

namespace {

void* fluidSynthLibrary() {
    static void* handle = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* name : {"libfluidsynth.so.3", "libfluidsynth.so"}) {
            handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
            if (handle)
                break;
        }
    });
    return handle;
}

template <class Function>
Function fluidFunction(const char* name) {
    void* library = fluidSynthLibrary();
    void* address = library ? dlsym(library, name) : nullptr;
    Function function = nullptr;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&function, &address, sizeof function);
    return function;
}

} // namespace

#define ZELVORIA_FLUID_FORWARD(Result, name, params, args, missing)                                \
    extern "C" Result name params {                                                                \
        using Function = Result(*) params;                                                         \
        static const Function function = fluidFunction<Function>(#name);                           \
        if (!function)                                                                             \
            return missing;                                                                        \
        return function args;                                                                      \
    }

ZELVORIA_FLUID_FORWARD(fluid_settings_t*, new_fluid_settings, (void), (), nullptr)
ZELVORIA_FLUID_FORWARD(void, delete_fluid_settings, (fluid_settings_t * s), (s), (void)0)
ZELVORIA_FLUID_FORWARD(int, fluid_settings_setint, (fluid_settings_t * s, const char* n, int v), (s, n, v),
                       FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_settings_setnum, (fluid_settings_t * s, const char* n, double v), (s, n, v),
                       FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_settings_setstr, (fluid_settings_t * s, const char* n, const char* v),
                       (s, n, v), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_settings_getstr_default, (fluid_settings_t * s, const char* n, char** def),
                       (s, n, def), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(fluid_log_function_t, fluid_set_log_function,
                       (int level, fluid_log_function_t f, void* data), (level, f, data), nullptr)
ZELVORIA_FLUID_FORWARD(fluid_synth_t*, new_fluid_synth, (fluid_settings_t * s), (s), nullptr)
ZELVORIA_FLUID_FORWARD(void, delete_fluid_synth, (fluid_synth_t * s), (s), (void)0)
ZELVORIA_FLUID_FORWARD(int, fluid_is_soundfont, (const char* file), (file), 0)
ZELVORIA_FLUID_FORWARD(int, fluid_synth_sfload, (fluid_synth_t * s, const char* file, int reset), (s, file, reset),
                       FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_synth_all_sounds_off, (fluid_synth_t * s, int chan), (s, chan), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_synth_process,
                       (fluid_synth_t * s, int len, int nfx, float* fx[], int nout, float* out[]),
                       (s, len, nfx, fx, nout, out), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_synth_write_float,
                       (fluid_synth_t * s, int len, void* l, int lo, int li, void* r, int ro, int ri),
                       (s, len, l, lo, li, r, ro, ri), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(fluid_audio_driver_t*, new_fluid_audio_driver2,
                       (fluid_settings_t * s, fluid_audio_func_t f, void* data), (s, f, data), nullptr)
ZELVORIA_FLUID_FORWARD(void, delete_fluid_audio_driver, (fluid_audio_driver_t * d), (d), (void)0)
ZELVORIA_FLUID_FORWARD(fluid_player_t*, new_fluid_player, (fluid_synth_t * s), (s), nullptr)
ZELVORIA_FLUID_FORWARD(void, delete_fluid_player, (fluid_player_t * p), (p), (void)0)
ZELVORIA_FLUID_FORWARD(int, fluid_player_add_mem, (fluid_player_t * p, const void* data, size_t size),
                       (p, data, size), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_player_play, (fluid_player_t * p), (p), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_player_stop, (fluid_player_t * p), (p), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(int, fluid_player_get_status, (fluid_player_t * p), (p), FLUID_PLAYER_DONE)
ZELVORIA_FLUID_FORWARD(int, fluid_player_get_total_ticks, (fluid_player_t * p), (p), 0)
ZELVORIA_FLUID_FORWARD(int, fluid_synth_sfunload, (fluid_synth_t * s, int id, int reset), (s, id, reset),
                       FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(fluid_sfloader_t*, new_fluid_defsfloader, (fluid_settings_t * s), (s), nullptr)
ZELVORIA_FLUID_FORWARD(int, fluid_sfloader_set_callbacks,
                       (fluid_sfloader_t * l, fluid_sfloader_callback_open_t open,
                        fluid_sfloader_callback_read_t read, fluid_sfloader_callback_seek_t seek,
                        fluid_sfloader_callback_tell_t tell, fluid_sfloader_callback_close_t close),
                       (l, open, read, seek, tell, close), FLUID_FAILED)
ZELVORIA_FLUID_FORWARD(void, fluid_synth_add_sfloader, (fluid_synth_t * s, fluid_sfloader_t * l), (s, l), (void)0)
