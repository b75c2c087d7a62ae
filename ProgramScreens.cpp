#include "ProgramScreens.h"

#include "about/frmAbout.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "music/FluidSequencer.h"
#include "music/frmMusic.h"
#include "personal/frmPersonal.h"
#include "shell/Screens.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <memory>

void registerProgramScreens() {
    auto& screens = shell::Screens::instance();
    screens.registerScreen(QStringLiteral("frmSplash"), [] { return std::make_unique<shell::frmSplash>(); });
    screens.registerScreen(QStringLiteral("frmChoose"), [] { return std::make_unique<shell::frmChoose>(); });
    screens.registerScreen(QStringLiteral("frmPersonal"), [] { return std::make_unique<personal::frmPersonal>(); });
    screens.registerScreen(QStringLiteral("frmMoreinfo"), [] { return std::make_unique<compat::frmMoreinfo>(); });
    screens.registerScreen(QStringLiteral("frmProcessing"), [] { return std::make_unique<compat::frmProcessing>(); });
    screens.registerScreen(QStringLiteral("frmLove"), [] { return std::make_unique<compat::frmLove>(); });
    screens.registerScreen(QStringLiteral("frmAbout"), [] { return std::make_unique<about::frmAbout>(); });
    music::installMusic([] { return std::make_unique<music::FluidSequencer>(); });
}
