#include "shell/Music.h"

namespace shell {

namespace {
MusicOperations& operations() {
    static MusicOperations ops;
    return ops;
}

void run(const std::function<void()>& operation) {
    if (operation)
        operation();
}
} // namespace

void setMusicOperations(MusicOperations ops) { operations() = std::move(ops); }

void StartMusic() { run(operations().start); }
void StopMusic() { run(operations().stop); }
void ShutdownMusic() { run(operations().shutdown); }

} // namespace shell
