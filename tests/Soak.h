#pragma once
// The soak: the whole program with its real screens, the outside world faked, under a seeded
// user who does anything at all (SoakDriver.cpp), and what must hold whatever the user did
// (SoakProgram.cpp).

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class FakeSongPlayer;

namespace soak {

struct SoakStats {
    int events = 0;
    int programs = 0;                   // programs started (the first included)
    int messages = 0;                   // message boxes the program showed
    int songEnds = 0;
    qint64 slowestEventMs = 0;
    std::map<QString, int> visibleAfter; // events after which each screen was visible
    std::map<QString, int> sent;         // events sent, by kind
    std::map<QString, qint64> sentMs;    // time spent on them, by kind
};

// Sends `count` events of the user seeded with `seed` to the program, starting a fresh one from
// the splash whenever one ends; the empty text when all went well, else what went wrong.
QString run(quint32 seed, int count, SoakStats& stats);

// A fresh program, started as main() starts it: the splash shown.
// The splash's timer is cut to `splashMs` so that a soak full of program ends does not spend
// its time looking at the splash.
void startFreshProgram(int splashMs);
// Called at the moment the (recorded) program ends.
std::function<void()>& onProgramEnd();
// The program's song player, which only records.
FakeSongPlayer* fakeSongPlayer();
// Every broken invariant, one line each; empty when all hold. Checked after every event and at
// the very moment the program ends.
QStringList programInvariants();

} // namespace soak
