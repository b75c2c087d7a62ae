#pragma once
// Small Standard MIDI Files made in the tests, and files written for a test.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace miditest {

QByteArray chunk(const char* id, const QByteArray& body);
QByteArray header(quint32 format, quint32 tracks, quint32 division = 480);

inline const QByteArray kEndOfTrack = QByteArray::fromHex("00ff2f00");

// Writes `data` to `path`, which it returns; the test cannot go on without it.
QString writeFile(const QString& path, const QByteArray& data);

} // namespace miditest
