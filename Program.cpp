#include "Program.h"

#include "about/frmAbout.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "music/BackgroundMusic.h"
#include "music/FluidPlayer.h"
#include "personal/frmPersonal.h"
#include "shell/AppState.h"
#include "shell/ProgramPath.h"
#include "shell/Screens.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <QPointer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// The song player and the background music, for the program's whole run.
struct Music : QObject {
    std::unique_ptr<music::SongPlayer> player;
    std::unique_ptr<music::BackgroundMusic> background; // goes first: it drives the player
};
QPointer<Music> g_music;
} // namespace

void installSongPlayer(std::unique_ptr<music::SongPlayer> player) {
    delete g_music;
    g_music = new Music;
    g_music->setParent(QCoreApplication::instance());
    g_music->player = std::move(player);
    music::BackgroundMusic::Environment environment;
    environment.songDirectory = [] { return shell::Path(); };
    environment.musicBoxTicked = [] {
        auto* chooser = dynamic_cast<shell::frmChoose*>(shell::Screens::instance().existing<shell::frmChoose>());
        return chooser && chooser->musicBoxTicked();
    };
    g_music->background = std::make_unique<music::BackgroundMusic>(*g_music->player, std::move(environment));
}

music::SongPlayer* programSongPlayer() { return g_music ? g_music->player.get() : nullptr; }

void assembleProgram(ProgramServices services) {
    auto& screens = shell::Screens::instance();
    screens.reset();
    shell::appState() = shell::AppState{};
    shell::ProgramEnd::reset();
    installSongPlayer(services.player ? services.player() : std::make_unique<music::FluidPlayer>());
    // The end of the program silences the music first.
    shell::ProgramEnd::setEndStep([end = std::move(services.end)] {
        if (g_music)
            g_music->background->shutdown();
        if (end)
            return end();
        std::fflush(nullptr);
        std::_Exit(0);
    });
    shell::setMessageSink(std::move(services.messages));

    screens.add<shell::frmSplash>();
    screens.add<shell::frmChoose>([] {
        auto chooser = std::make_unique<shell::frmChoose>();
        QObject::connect(chooser.get(), &shell::frmChoose::proceeded, chooser.get(), [](bool ticked) {
            if (g_music)
                ticked ? g_music->background->start() : g_music->background->stop();
        });
        return chooser;
    });
    screens.add<personal::frmPersonal>();
    screens.add<compat::frmMoreinfo>();
    screens.add<compat::frmProcessing>();
    screens.add<compat::frmLove>();
    about::SystemServices* system = services.system ? services.system : &about::platformSystemServices();
    about::LinkOpener* links = services.links ? services.links : &about::desktopLinkOpener();
    screens.add<about::frmAbout>([system, links] {
        auto about = std::make_unique<about::frmAbout>();
        about->setServices(*system, *links);
        return about;
    });
}
