#include "shell/Startup.h"

#include "shell/Fonts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace shell {

namespace {
// A translation for the user's language, when one lies in "translations" beside the program;
// Qt's own (the message box buttons) comes with it. None ships: the program speaks English.
void installTranslation(QApplication& app) {
    auto* own = new QTranslator(&app);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (!own->load(QLocale(), QStringLiteral("zelvoria"), QStringLiteral("_"), folder)) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
} // namespace

void prepareApplication(QApplication& app) {
    installFontSubstitutes();
    QApplication::setFont(defaultFont());
    app.setQuitOnLastWindowClosed(false);
    app.setApplicationName(QStringLiteral("Zelvoria"));
    // Lets the desktop match the windows with the installed launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELVORIA_APP_ID));
    installTranslation(app);
}

void installProgramIcon() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/sun.svg")));
}

} // namespace shell
