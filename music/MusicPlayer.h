#pragma once
// The background music: random songs from the twenty song files, one after another, while the
// chooser's music box is ticked. Drives one sequencer player; the end of each song picks the
// next one.

#include "music/Sequencer.h"

#include <functional>

namespace music {

inline constexpr int SongCount = 20;

// The path of song `number` (1 to 20) in `directory`: "song9.msc", "song10.msc", no leading zeros.
QString songPath(const QString& directory, int number);

// The song number for a draw 0 <= r < 1: each of 1 to 20 for an equal share of the draws.
int songNumberFor(double r);

// A uniform draw 0 <= r < 1 from a generator seeded afresh from the clock.
double clockSeededDraw();

class MusicPlayer : public QObject {
    Q_OBJECT
public:
    struct Environment {
        std::function<QString()> songDirectory;
        std::function<bool()> musicBoxTicked;
        std::function<double()> draw = clockSeededDraw;
    };

    MusicPlayer(Sequencer& MMControl1, Environment environment);

    // A song has ended (or StartMusic wants one): close, pick, and play if the box is ticked.
    void MMControl1_Done(int notifyCode);
    void StopMusic();
    void ShutdownMusic();

private:
    Sequencer& m_player;
    Environment m_env;
};

} // namespace music
