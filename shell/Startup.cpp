#include "shell/Startup.h"

#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/Fonts.h"
#include "shell/Screen.h"
#include "shell/Screens.h"

#include <QApplication>
#include <QIcon>

namespace shell {

void prepareApplication(QApplication& app) {
    installFontSubstitutes();
    QApplication::setFont(defaultFont());
    app.setQuitOnLastWindowClosed(false);
    app.setApplicationName(QStringLiteral("Zelvoria"));
    // Lets the desktop match the windows with the installed launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELVORIA_APP_ID));
    app.setWindowIcon(QIcon(QStringLiteral(":/pictures/sun.svg")));
}

void startProgram() {
    appState() = AppState{};
    Screens::instance().get(QStringLiteral("frmSplash")).Show();
}

int runEventLoop() {
    const int status = QApplication::exec();
    ExitProgram();
    return status;
}

} // namespace shell
