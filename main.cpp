#include "ProgramScreens.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shell::prepareApplication(app);
    registerProgramScreens();
    shell::startProgram();
    return shell::runEventLoop();
}
