#pragma once
// The background music: random songs from the twenty song files, one after another, while the
// chooser's music box is ticked. The box is read again at the end of every song.

#include "music/SongPlayer.h"

#include <functional>

namespace music {

inline constexpr int SongCount = 20;

// The path of song `number` (1 to 20) in `directory`: "song9.msc", "song10.msc", no leading zeros.
QString songPath(const QString& directory, int number);

// The song number for a draw 0 <= r < 1: each of 1 to 20 for an equal share of the draws.
int songNumberFor(double r);

// A uniform draw 0 <= r < 1 from a generator seeded afresh from the clock.
double clockSeededDraw();

class BackgroundMusic : public QObject {
    Q_OBJECT
public:
    struct Environment {
        std::function<QString()> songDirectory;
        std::function<bool()> musicBoxTicked;
        std::function<double()> draw = clockSeededDraw;
    };

    BackgroundMusic(SongPlayer& player, Environment environment);

    void start();    // the chooser's Proceed found the music box ticked: plays a random song unless the music is already going
    void stop();     // the box was clear: silence; the next start() plays again
    void shutdown(); // the end of the program: silence if a song is playing

private:
    void songEnded();

    SongPlayer& m_player;
    Environment m_env;
    // Set until start() plays, and again by stop(): once the music has started it goes on by
    // itself, or falls silent when a song ends with the box clear, until the next stop().
    bool m_restartPending = true;
};

} // namespace music
