#pragma once

class QApplication;

namespace shell {

// What the application object needs before the first window: fonts, the program icon, and no
// implicit quitting when windows close (only ExitProgram ends the program).
void prepareApplication(QApplication& app);

// Gives the application its icon, once. The icon is drawn from its vector file whenever a window
// gets it, and the splash shows none: the first window with a caption installs it, so that
// nothing is drawn for it before the first frame.
void installProgramIcon();

// Start-up: the program state exists from the start; the splash screen is shown first.
void startProgram();

// Runs the event loop. Should the loop ever end by itself (the desktop session closing, say),
// the program still ends the one way it ends, through ExitProgram, music shutdown included.
int runEventLoop();

} // namespace shell
