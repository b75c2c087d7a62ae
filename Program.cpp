#include "Program.h"

#include "about/frmAbout.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "music/FluidSequencer.h"
#include "personal/frmPersonal.h"
#include "shell/AppState.h"
#include "shell/Screens.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <memory>

void assembleProgram(ProgramServices services) {
    auto& screens = shell::Screens::instance();
    screens.reset();
    shell::appState() = shell::AppState{};
    shell::ProgramEnd::reset();
    shell::ProgramEnd::setEndStep(std::move(services.end));
    shell::setMessageSink(std::move(services.messages));

    screens.add<shell::frmSplash>();
    screens.add<shell::frmChoose>();
    screens.add<personal::frmPersonal>();
    screens.add<compat::frmMoreinfo>();
    screens.add<compat::frmProcessing>();
    screens.add<compat::frmLove>();
    about::SystemServices* system = services.system ? services.system : &about::desktopSystem();
    about::LinkOpener* links = services.links ? services.links : &about::desktopLinkOpener();
    screens.add<about::frmAbout>([system, links] {
        auto about = std::make_unique<about::frmAbout>();
        about->setServices(*system, *links);
        return about;
    });
    // The hidden host of the music player; the chooser and the end of the program call it.
    music::installMusic(services.sequencer ? std::move(services.sequencer)
                                           : [] { return std::make_unique<music::FluidSequencer>(); });
}
