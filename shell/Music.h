#pragma once
// The three music operations the chooser and the end of the program call. The music player
// installs them when the program's screens are set up; until then they do nothing.

#include <functional>

namespace shell {

struct MusicOperations {
    std::function<void()> start;
    std::function<void()> stop;
    std::function<void()> shutdown;
};

void setMusicOperations(MusicOperations operations);

void StartMusic();
void StopMusic();
void ShutdownMusic();

} // namespace shell
