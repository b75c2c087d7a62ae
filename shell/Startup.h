#pragma once

class QApplication;

namespace shell {

// What the application object needs before the first window: fonts, the program icon, and no
// implicit quitting when windows close (only the program itself decides when it ends).
void prepareApplication(QApplication& app);

// Gives the application its icon, once. The icon is drawn from its vector file whenever a window
// gets it, and the splash shows none: the first window with a caption installs it, so that
// nothing is drawn for it before the first frame.
void installProgramIcon();

} // namespace shell
