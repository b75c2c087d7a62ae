#include "ScreenTestSupport.h"

#include "shell/Version.h"

ProgramEndLog& programEndLog() {
    static ProgramEndLog log;
    return log;
}

QList<shell::Message>& messages() {
    static QList<shell::Message> list;
    return list;
}

void recordMessages() {
    messages().clear();
    shell::setMessageSink([](QWidget*, const shell::Message& m) { messages() << m; });
}

void freshProgram() {
    shell::Screens::instance().reset();
    shell::ProgramEnd::reset();
    programEndLog() = ProgramEndLog{};
    shell::appState() = shell::AppState{};
    recordMessages();
    shell::ProgramEnd::setEndStep([] { ++programEndLog().ends; });
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QApplication::processEvents();
}

StandInScreen::StandInScreen(QString name) : Screen(std::move(name), shell::WindowKind::SizableNoMaximize) {}

void StandInScreen::Form_Activate() { window()->setWindowTitle(shell::VersionCaption()); }
void StandInScreen::Form_Unload() { shell::ExitProgram(); }
void StandInScreen::buildWindow(shell::ScreenWindow& window) { window.resize(457, 385); }

void registerStandIns(const QStringList& names) {
    for (const QString& name : names)
        shell::Screens::instance().registerScreen(name, [name] { return std::make_unique<StandInScreen>(name); });
}
