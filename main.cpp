#include "Program.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shell::prepareApplication(app);
    // Everything of the program lives in this scope, so nothing of it outlives the application
    // object, whichever way the process ends.
    Program program;
    program.start();
    const int status = QApplication::exec();
    // Should the loop ever end by itself (the desktop session closing, say), the program still
    // ends the one way it ends, music shutdown included.
    program.end();
    return status;
}
