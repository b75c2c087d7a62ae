#pragma once
// A screen the test does not exercise: an empty window that carries the version caption and
// ends the program when closed, as the main screens do.

#include "shell/ExitProgram.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/Version.h"

class StandInScreen : public shell::Screen {
public:
    explicit StandInScreen(QString name)
        : Screen(std::move(name), shell::WindowKind::SizableNoMaximize) {}

    void Form_Activate() override { window()->setWindowTitle(shell::VersionCaption()); }
    void Form_Unload() override { shell::ExitProgram(); }

protected:
    void buildWindow(shell::ScreenWindow& window) override { window.resize(457, 385); }
    void releaseWindow() override {}
};
