// main() of the program's benchmark build: main.cpp's, but the music player is made by the road
// probe, which reports on it (see RoadProbe.cpp).

#include "Program.h"
#include "bench/Probe.h"
#include "music/SongPlayer.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shell::prepareApplication(app);
    ProgramServices services;
    services.player = probe::makePlayer;
    Program program(std::move(services));
    program.start();
    const int status = QApplication::exec();
    program.end();
    return status;
}
