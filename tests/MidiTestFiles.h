#pragma once
// Small Standard MIDI Files made in the tests, and files written into a test's folder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace miditest {

inline QByteArray be(quint32 value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

inline QByteArray chunk(const char* id, const QByteArray& body) {
    return QByteArray(id) + be(static_cast<quint32>(body.size()), 4) + body;
}

inline QByteArray header(quint32 format, quint32 tracks, quint32 division = 480) {
    return chunk("MThd", be(format, 2) + be(tracks, 2) + be(division, 2));
}

inline const QByteArray kEndOfTrack = QByteArray::fromHex("00ff2f00");

// A one-track file of these events, ended.
inline QByteArray oneTrack(const QByteArray& events) {
    return header(0, 1) + chunk("MTrk", events + kEndOfTrack);
}

// Writes `data` as `name` in `dir`; the test cannot go on without it.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace miditest
