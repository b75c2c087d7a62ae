// The check a song file passes before FluidSynth sees it.
#include "MidiTestFiles.h"
#include "music/MidiFileCheck.h"

#include <QtTest>

using miditest::chunk;
using miditest::header;
using miditest::kEndOfTrack;
using miditest::melody;
using miditest::song;

class TestMidiFileCheck : public QObject {
    Q_OBJECT
private slots:
    void recognisesStandardMidiFiles_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("valid");
        const QByteArray track = melody(3);
        QTest::newRow("one track") << song(3) << true;
        QTest::newRow("two tracks, format 1") << header(1, 2) + chunk("MTrk", track) + chunk("MTrk", track) << true;
        QTest::newRow("unknown chunk skipped") << header(0, 1) + chunk("XTRA", "abc") + chunk("MTrk", track) << true;
        QTest::newRow("sysex and meta text") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00f0037e7ff7" "00ff0103616263") + track) << true;
        QTest::newRow("no end-of-track event") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00903c40" "603c00")) << true;
        QFile file(QFINDTESTDATA("../assets/music/song1.msc"));
        const QByteArray real = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QTest::newRow("one of the program's songs") << real << true;

        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("This is not music at all, only some words.") << false;
        QTest::newRow("wave header") << QByteArray("RIFF") + song(3).mid(4) << false;
        QTest::newRow("header only") << header(0, 1) << false;
        QTest::newRow("format 3") << header(3, 1) + chunk("MTrk", track) << false;
        QTest::newRow("no tracks") << header(0, 0) + chunk("MTrk", track) << false;
        QTest::newRow("division zero") << header(0, 1, 0) + chunk("MTrk", track) << false;
        QTest::newRow("fewer tracks than declared") << header(1, 2) + chunk("MTrk", track) << false;
        QTest::newRow("track longer than file") << song(3).chopped(5) << false;
        // A bound a few bytes too loose reads past the end of these and still says yes.
        QTest::newRow("a song cut 1 byte short") << real.chopped(1) << false;
        QTest::newRow("a song cut 8 bytes short") << real.chopped(8) << false;
        QTest::newRow("running status with no status") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("003c40") + kEndOfTrack) << false;
        QTest::newRow("data byte above 127") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00903c90") + kEndOfTrack) << false;
        QTest::newRow("meta length past the chunk") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00ff0140616263")) << false;
        QTest::newRow("system message in a track") << header(0, 1) + chunk("MTrk", QByteArray::fromHex("00f8") + kEndOfTrack) << false;
        QTest::newRow("over the size limit") << song(3) + QByteArray(music::kMaxMidiFileSize, '\0') << false;
    }
    void recognisesStandardMidiFiles() {
        QFETCH(QByteArray, data);
        QFETCH(bool, valid);
        QCOMPARE(music::isStandardMidiFile(data), valid);
    }
};

QTEST_GUILESS_MAIN(TestMidiFileCheck)
#include "test_midifilecheck.moc"
