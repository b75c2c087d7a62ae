#pragma once
// How Zelvoria is put together: its eight screens, its music player and the outside services the
// screens use. The services a test may put in place of the real ones are handed in here.

#include "about/PlatformServices.h"
#include "music/SongPlayer.h"
#include "shell/ExitProgram.h"
#include "shell/MessageBox.h"

#include <memory>

struct ProgramServices {
    shell::MessageSink messages;             // none: modal message boxes
    shell::ProgramEnd::Step end;             // none: the process ends at once with status 0
    std::function<std::unique_ptr<music::SongPlayer>()> player; // none: FluidSynth, on the desktop's sound
    about::SystemServices* system = nullptr; // none: this system's registry, files and programs
    about::LinkOpener* links = nullptr;      // none: the desktop's web browser
};

// A fresh program, ready to start: no screen made yet, the program state new, not ended, the
// screens known by their types and the services in place.
void assembleProgram(ProgramServices services = {});

// The program's song player, and one put in its place before any song (the benchmarks' probe).
music::SongPlayer* programSongPlayer();
void installSongPlayer(std::unique_ptr<music::SongPlayer> player);
