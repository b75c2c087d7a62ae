#include "MidiTestFiles.h"
#include "music/FluidSequencer.h"
#include "music/MidiFileCheck.h"
#include "music/SongRender.h"
#include "music/SoundFontView.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <set>

using music::SoundFontView;
using Programs = std::set<int>;

namespace {

using miditest::oneTrack;

QString song(int number) {
    return QFINDTESTDATA(QStringLiteral("../assets/music/song%1.msc").arg(number));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the preset headers' table ("phdr", the first of the "pdta" list) starts, or -1.
qsizetype presetTables(const QByteArray& font) {
    const qsizetype list = font.lastIndexOf("pdtaphdr");
    return list < 0 ? -1 : list + 4;
}

// Every preset of a soundfont as (bank, program).
std::set<std::pair<int, int>> presetsOf(const QByteArray& font) {
    std::set<std::pair<int, int>> presets;
    const qsizetype tables = presetTables(font);
    if (tables < 0)
        return presets;
    const quint32 length = qFromLittleEndian<quint32>(font.constData() + tables + 4);
    for (quint32 at = 0; at + 38 < length; at += 38) { // the last record only ends the table
        const char* record = font.constData() + tables + 8 + at;
        presets.emplace(qFromLittleEndian<quint16>(record + 22), qFromLittleEndian<quint16>(record + 20));
    }
    return presets;
}

Programs everyProgram() {
    Programs all;
    for (int program = 0; program < 128; ++program)
        all.insert(program);
    return all;
}

QByteArray readView(const SoundFontView& view, qint64 block) {
    QFile file(view.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray out(view.size(), '\0');
    for (qint64 at = 0; at < view.size(); at += block)
        if (!view.read(file, at, out.data() + at, std::min(block, view.size() - at)))
            return {};
    return out;
}

} // namespace

class TestSoundFontView : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_font;
    QByteArray m_fontBytes;

    QString write(const QString& name, const QByteArray& data) { return miditest::writeFile(m_dir, name, data); }

private slots:
    void initTestCase() {
        m_font = music::FluidSequencer::systemSoundFont();
        if (m_font.isEmpty())
            QSKIP("no General MIDI soundfont installed (tools/dev installs one)");
        m_fontBytes = fileBytes(m_font);
        QVERIFY(presetsOf(m_fontBytes).size() > 100);
    }

    void findsTheProgramsASongNames_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<Programs>("expected");
        QTest::newRow("no program change: the piano every channel starts with")
            << oneTrack(QByteArray::fromHex("00903c40" "603c00")) << Programs{0};
        QTest::newRow("changes on three channels, the drums' included")
            << oneTrack(QByteArray::fromHex("00c028" "00c149" "00c910" "00903c40")) << Programs{0, 16, 40, 73};
        QTest::newRow("running status") << oneTrack(QByteArray::fromHex("00c00a" "000b" "000c")) << Programs{0, 10, 11, 12};
        QTest::newRow("bank select leaves the program alone")
            << oneTrack(QByteArray::fromHex("00b00008" "00c030")) << Programs{0, 48};
        QTest::newRow("sysex and meta events skipped")
            << oneTrack(QByteArray::fromHex("00f003c07ff7" "00ff0103c0c0c0" "00c105")) << Programs{0, 5};
        QTest::newRow("not a MIDI file") << QByteArray("no music here, only words") << Programs{};
        QTest::newRow("cut short") << oneTrack(QByteArray::fromHex("00c028")).chopped(3) << Programs{};
        const QByteArray generated = fileBytes(song(12));
        QTest::newRow("a song of ours") << generated << music::programsNamedBy(generated);
    }
    void findsTheProgramsASongNames() {
        QFETCH(QByteArray, data);
        QFETCH(Programs, expected);
        QCOMPARE(music::programsNamedBy(data), expected);
        if (QByteArray(QTest::currentDataTag()) == "a song of ours")
            QVERIFY(expected.size() >= 4);
    }

    // The view keeps exactly the presets of the programs asked for, in every bank, and passes the
    // rest of the file through: read in any pieces, it is the same bytes.
    void keepsOnlyThePresetsOfTheProgramsAsked_data() {
        QTest::addColumn<Programs>("programs");
        QTest::newRow("piano only") << Programs{0};
        QTest::newRow("one song's programs") << music::programsNamedBy(fileBytes(song(20)));
        QTest::newRow("a program no preset has, and the piano") << Programs{0, 200};
        QTest::newRow("every program") << everyProgram();
    }
    void keepsOnlyThePresetsOfTheProgramsAsked() {
        QFETCH(Programs, programs);
        const auto view = SoundFontView::make(m_font, programs);
        QVERIFY(view);
        const QByteArray whole = readView(*view, view->size());
        QCOMPARE(whole.size(), view->size());
        QCOMPARE(readView(*view, 4093), whole);
        QCOMPARE(qFromLittleEndian<quint32>(whole.constData() + 4), quint32(whole.size() - 8));

        std::set<std::pair<int, int>> expected;
        for (const auto& preset : presetsOf(m_fontBytes))
            if (programs.count(preset.second))
                expected.insert(preset);
        QCOMPARE(presetsOf(whole), expected);
        QCOMPARE(view->presetCount(), int(expected.size()));
        // Everything before the preset tables' list is the file's own (sample data included).
        const qsizetype list = presetTables(m_fontBytes) - 12;
        QVERIFY(list > 0);
        QCOMPARE(whole.mid(8, list - 8), m_fontBytes.mid(8, list - 8));
        QCOMPARE(whole.mid(list, 4), QByteArray("LIST"));
    }

    void refusesReadsOutsideTheView() {
        const auto view = SoundFontView::make(m_font, {0});
        QVERIFY(view);
        QFile file(m_font);
        QVERIFY(file.open(QIODevice::ReadOnly));
        char bytes[8];
        QVERIFY(view->read(file, view->size() - 2, bytes, 2));
        QVERIFY(!view->read(file, view->size() - 1, bytes, 2));
        QVERIFY(!view->read(file, -1, bytes, 1));
        QVERIFY(!view->read(file, 0, bytes, -1));
    }

    // Files whose tables do not hold together are left to the synth, which refuses them itself.
    void refusesFilesItCannotFollow_data() {
        QTest::addColumn<QByteArray>("data");
        const qsizetype tables = presetTables(m_fontBytes);
        QByteArray badBag = m_fontBytes;
        qToUnaligned<quint16>(qToLittleEndian<quint16>(0xFFF0), badBag.data() + tables + 8 + 24);
        QByteArray badInstrument = m_fontBytes;
        // The first preset generator that names an instrument is pointed past the end.
        const qsizetype pgen = badInstrument.indexOf("pgen", tables);
        for (qsizetype at = pgen + 8; at < badInstrument.indexOf("inst", pgen); at += 4)
            if (qFromLittleEndian<quint16>(badInstrument.constData() + at) == 41) {
                qToUnaligned<quint16>(qToLittleEndian<quint16>(0x7FFF), badInstrument.data() + at + 2);
                break;
            }
        QByteArray noPresets = m_fontBytes;
        noPresets.replace(tables - 4, 4, "xxxx");
        QTest::newRow("not a soundfont") << QByteArray("RIFF\x04\0\0\0WAVE", 12);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut inside the tables") << m_fontBytes.left(tables + 200);
        QTest::newRow("no preset tables") << noPresets;
        QTest::newRow("bag index past the end") << badBag;
        QTest::newRow("instrument past the end") << badInstrument;
    }
    void refusesFilesItCannotFollow() {
        QFETCH(QByteArray, data);
        QVERIFY(!SoundFontView::make(write(QStringLiteral("broken.sf2"), data), everyProgram()));
    }

    // The synth given only the song's presets sounds exactly as with the whole soundfont.
    void soundsTheSameAsTheWholeSoundFont_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("song 3") << song(3);
        QTest::newRow("song 12, drums") << song(12);
        QTest::newRow("song 20, the most voices") << song(20);
    }
    void soundsTheSameAsTheWholeSoundFont() {
        QFETCH(QString, path);
        using music::SoundFontUse;
        const std::vector<float> trimmed = music::renderSong(path, m_font, 25.0, SoundFontUse::SongsPrograms);
        const std::vector<float> whole = music::renderSong(path, m_font, 25.0, SoundFontUse::Whole);
        QVERIFY(!whole.empty());
        QCOMPARE(trimmed.size(), whole.size());
        QVERIFY(trimmed == whole);
    }
};

QTEST_GUILESS_MAIN(TestSoundFontView)
#include "test_soundfontview.moc"
