#include "music/MidiFileCheck.h"

#include <QFile>
#include <QFileInfo>

namespace music {

namespace {

quint32 bigEndian(const QByteArray& data, qsizetype pos, int bytes) {
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<quint8>(data[pos + i]);
    return value;
}

// Walks the events of one track chunk: every length must stay inside the chunk, every data
// byte must be below 0x80, and running status needs an earlier status byte.
bool trackIsWellFormed(const QByteArray& data, qsizetype pos, qsizetype end) {
    auto byte = [&](quint8& out) {
        if (pos >= end)
            return false;
        out = static_cast<quint8>(data[pos++]);
        return true;
    };
    auto varLen = [&](quint32& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            quint8 b = 0;
            if (!byte(b))
                return false;
            out = (out << 7) | (b & 0x7Fu);
            if (!(b & 0x80u))
                return true;
        }
        return false;
    };
    auto skip = [&](quint32 count) {
        if (count > static_cast<quint64>(end - pos))
            return false;
        pos += count;
        return true;
    };

    quint8 running = 0;
    while (pos < end) {
        quint32 delta = 0, length = 0;
        quint8 status = 0, first = 0;
        if (!varLen(delta) || !byte(status))
            return false;
        if (status == 0xFF) {
            quint8 type = 0;
            if (!byte(type) || !varLen(length) || !skip(length))
                return false;
            if (type == 0x2F)
                return true;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            if (!varLen(length) || !skip(length))
                return false;
            continue;
        }
        if (status & 0x80u) {
            if (status >= 0xF0)
                return false;
            running = status;
            if (!byte(first))
                return false;
        } else {
            if (!running)
                return false;
            first = status;
        }
        if (first & 0x80u)
            return false;
        const int kind = running & 0xF0;
        if (kind != 0xC0 && kind != 0xD0) {
            quint8 second = 0;
            if (!byte(second) || (second & 0x80u))
                return false;
        }
    }
    return true;
}

} // namespace

bool isStandardMidiFile(const QByteArray& data) {
    if (data.size() < 22 || data.size() > kMaxMidiFileSize || !data.startsWith("MThd"))
        return false;
    const quint32 headerLength = bigEndian(data, 4, 4);
    if (headerLength < 6 || headerLength > static_cast<quint64>(data.size() - 8))
        return false;
    const quint32 format = bigEndian(data, 8, 2);
    const quint32 tracks = bigEndian(data, 10, 2);
    const quint32 division = bigEndian(data, 12, 2);
    if (format > 2 || tracks == 0 || division == 0 || ((division & 0x8000u) && !(division & 0xFFu)))
        return false;

    qsizetype pos = 8 + static_cast<qsizetype>(headerLength);
    quint32 found = 0;
    while (found < tracks && data.size() - pos >= 8) {
        const quint32 length = bigEndian(data, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (length > static_cast<quint64>(data.size() - body))
            return false;
        const qsizetype end = body + static_cast<qsizetype>(length);
        if (data.mid(pos, 4) == "MTrk") {
            if (!trackIsWellFormed(data, body, end))
                return false;
            ++found;
        }
        pos = end;
    }
    return found == tracks;
}


QByteArray readMidiFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kMaxMidiFileSize + 1);
}

} // namespace music
