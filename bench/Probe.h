#pragma once
// What the benchmark probes share. A probe is compiled into a benchmark build of a program (never
// into the program itself) and reports to the harness through a file descriptor the harness names
// in ZELVORIA_PROBE_FD, one line per fact.

#include <QByteArray>
#include <memory>

namespace music {
class SongPlayer;
}

namespace probe {

// Writes one line to the harness, if a harness is listening; a no-op otherwise.
void report(const QByteArray& line);

// Peak resident set size of this process so far (VmHWM), in KiB; 0 where it cannot be read.
long peakResidentKiB();

// The program's music player for its benchmark build: the real one, which the road probe reports
// on (RoadProbe.cpp).
std::unique_ptr<music::SongPlayer> makePlayer();

} // namespace probe
