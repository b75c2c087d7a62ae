#include "shell/PlaceholderScreen.h"

#include "shell/ExitProgram.h"
#include "shell/ScreenWindow.h"
#include "shell/Version.h"

namespace shell {

PlaceholderScreen::PlaceholderScreen(QString name)
    : Screen(std::move(name), WindowKind::SizableNoMaximize) {}

void PlaceholderScreen::buildWindow(ScreenWindow& window) { window.resize(457, 385); }

void PlaceholderScreen::Form_Activate() { window()->setWindowTitle(VersionCaption()); }

void PlaceholderScreen::Form_Unload() { ExitProgram(); }

} // namespace shell
