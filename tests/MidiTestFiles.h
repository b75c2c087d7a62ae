#pragma once
// Small Standard MIDI Files made in the tests, and files written for a test.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace miditest {

QByteArray chunk(const char* id, const QByteArray& body);
QByteArray header(quint32 format, quint32 tracks, quint32 division = 480);

inline const QByteArray kEndOfTrack = QByteArray::fromHex("00ff2f00");

// `count` quarter notes at 120 beats a minute, the note-offs in running status, and the end.
QByteArray melody(int count);
// A one-track song of `notes` such notes.
QByteArray song(int notes);

// Writes `data` to `path`, which it returns; the test cannot go on without it.
QString writeFile(const QString& path, const QByteArray& data);

} // namespace miditest
