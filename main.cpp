#include "Program.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shell::prepareApplication(app);
    assembleProgram();
    shell::startProgram();
    return shell::runEventLoop();
}
