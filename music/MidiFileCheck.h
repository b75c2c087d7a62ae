#pragma once
// The check a song file passes before FluidSynth sees it: FluidSynth takes damaged or foreign
// files without complaint and then plays nothing, or garbage.

#include <QByteArray>
#include <QString>

namespace music {

inline constexpr qsizetype kMaxMidiFileSize = 4 * 1024 * 1024;

// A structural check of a Standard MIDI File: header, track chunks and every event in them.
bool isStandardMidiFile(const QByteArray& data);

// The file's bytes, one more than kMaxMidiFileSize at most, so that an oversized file fails the
// check. Empty when the path is no readable file.
QByteArray readMidiFile(const QString& path);

} // namespace music
