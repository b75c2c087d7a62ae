#include "MidiTestFiles.h"

#include <QFile>

namespace miditest {

static QByteArray be(quint32 value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    return QByteArray(id) + be(static_cast<quint32>(body.size()), 4) + body;
}

QByteArray header(quint32 format, quint32 tracks, quint32 division) {
    return chunk("MThd", be(format, 2) + be(tracks, 2) + be(division, 2));
}

QString writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray melody(int count) {
    QByteArray body = QByteArray::fromHex("00c000");
    for (int i = 0; i < count; ++i) {
        const char key = static_cast<char>(60 + (i * 4) % 12);
        body += QByteArray::fromHex("0090") + key + char(100) + QByteArray::fromHex("8360") + key + char(0);
    }
    return body + kEndOfTrack;
}

QByteArray song(int notes) { return header(0, 1) + chunk("MTrk", melody(notes)); }

} // namespace miditest
