#include "ProgramScreens.h"

#include "personal/frmPersonal.h"
#include "shell/PlaceholderScreen.h"
#include "shell/Screens.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <memory>

void registerProgramScreens() {
    auto& screens = shell::Screens::instance();
    screens.registerScreen(QStringLiteral("frmSplash"), [] { return std::make_unique<shell::frmSplash>(); });
    screens.registerScreen(QStringLiteral("frmChoose"), [] { return std::make_unique<shell::frmChoose>(); });
    screens.registerScreen(QStringLiteral("frmPersonal"), [] { return std::make_unique<personal::frmPersonal>(); });
    for (const char* name : {"frmMoreinfo", "frmProcessing", "frmLove", "frmAbout"}) {
        const QString screenName = QString::fromLatin1(name);
        screens.registerScreen(screenName, [screenName] { return std::make_unique<shell::PlaceholderScreen>(screenName); });
    }
}
