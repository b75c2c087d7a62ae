#pragma once
// Shared by the screen tests: a fresh framework and program state for every test, message boxes
// recorded instead of shown, an end of program that is recorded instead of ending the test
// runner, and a stand-in for the screens a test does not exercise.

#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/MessageBox.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/Screens.h"

#include <QApplication>
#include <QList>
#include <QStringList>

struct ProgramEndLog {
    int musicStarts = 0;
    int musicStops = 0;
    int ends = 0;
};

ProgramEndLog& programEndLog();

// The message boxes shown since recordMessages().
QList<shell::Message>& messages();
void recordMessages();

// No screen made or registered, a new program state, messages, music and the end recorded,
// no window left visible.
void freshProgram();

// A screen the test does not exercise: an empty window that carries the version caption and
// ends the program when closed, as the main screens do.
class StandInScreen : public shell::Screen {
public:
    explicit StandInScreen(QString name);

    void Form_Activate() override;
    void Form_Unload() override;

protected:
    void buildWindow(shell::ScreenWindow& window) override;
    void releaseWindow() override {}
};

// Registers a StandInScreen under each of these names.
void registerStandIns(const QStringList& names);
