#pragma once
// Shared by the screen tests: a fresh framework and program state for every test, message boxes
// recorded instead of shown, and an end of program that is recorded instead of ending the test
// runner.

#include "MessageRecorder.h"
#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/Music.h"
#include "shell/Screens.h"

#include <QApplication>
#include <QWidget>

struct ProgramEndLog {
    int musicStarts = 0;
    int musicStops = 0;
    int musicShutdowns = 0;
    int ends = 0;
};

inline ProgramEndLog& programEndLog() {
    static ProgramEndLog log;
    return log;
}

inline void freshProgram() {
    shell::Screens::instance().reset();
    shell::ProgramEnd::reset();
    programEndLog() = ProgramEndLog{};
    shell::appState() = shell::AppState{};
    recordMessages();
    shell::setMusicOperations({[] { ++programEndLog().musicStarts; },
                               [] { ++programEndLog().musicStops; },
                               [] { ++programEndLog().musicShutdowns; }});
    shell::ProgramEnd::setEndStep([] { ++programEndLog().ends; });
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QApplication::processEvents();
}
