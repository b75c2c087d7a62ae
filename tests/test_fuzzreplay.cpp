// Replays every stored fuzz input (the seeds in fuzz/corpus and the inputs that once failed, in
// fuzz/regressions) through the fuzz targets' own checks, so that the ordinary build keeps them
// passing without clang or libFuzzer. Also shows that the checks catch wrong results.
#include "fuzz/FuzzChecks.h"
#include "music/MidiFileCheck.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <algorithm>

namespace {

QString dots(QString text) {
    return text.replace(QChar(0x00B7), QLatin1Char(' '));
}

QStringList dotRows(const QString& rows) {
    return dots(rows).split(QLatin1Char('|'));
}

} // namespace

class TestFuzzReplay : public QObject {
    Q_OBJECT
private slots:
    void storedInputs_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(ZELVORIA_FUZZ_DIR));
        for (const char* kind : {"corpus", "regressions"}) {
            const QDir folder(root.filePath(QLatin1String(kind)));
            for (const QString& target : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                const QDir inputs(folder.filePath(target));
                for (const QString& file :
                     inputs.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
                    const QString row =
                        QStringLiteral("%1/%2/%3").arg(QLatin1String(kind), target, file);
                    QTest::newRow(qPrintable(row)) << target << inputs.filePath(file);
                }
            }
        }
    }
    void storedInputs() {
        QFETCH(QString, target);
        QFETCH(QString, path);
        const auto& targets = fuzzchecks::targets();
        const auto found = std::find_if(targets.begin(), targets.end(), [&](const auto& t) {
            return target == QLatin1String(t.name);
        });
        QVERIFY2(found != targets.end(), qPrintable("no fuzz target is called " + target));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const std::string failure =
            found->check(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size()));
        QVERIFY2(failure.empty(), failure.c_str());
    }

    void everyTargetHasSeeds() {
        const QDir corpus(QStringLiteral(ZELVORIA_FUZZ_DIR "/corpus"));
        for (const auto& target : fuzzchecks::targets()) {
            const QDir seeds(corpus.filePath(QLatin1String(target.name)));
            QVERIFY2(seeds.entryList(QDir::Files).size() >= 5, target.name);
        }
    }

    // Results that break the formatter's promise, each of which the check must refuse.
    void laidOutCheckCatches_data() {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("laidOut");
        QTest::newRow("a letter lost") << "Sun and sky" << 10 << dots("Sun····an··sky·······");
        QTest::newRow("letters swapped") << "Sun and sky" << 10 << dots("Sun····adn·sky·······");
        QTest::newRow("a space of the paragraph dropped") << "a  b" << 10 << dots("ab·········");
        QTest::newRow("first line one short")
            << "Sun and sky" << 10 << dots("Sun···and·sky·······");
        QTest::newRow("last line not filled out") << "Sun and sky" << 10 << dots("Sun····and·sky");
        QTest::newRow("second line without its space")
            << "Sun and sky" << 10 << dots("Sun····andsky········");
        QTest::newRow("short paragraph not filled") << "Good day" << 12 << "Good day";
        QTest::newRow("width 0 changed the paragraph") << "Good day" << 0 << "Good day ";
        QTest::newRow("empty paragraph filled") << "" << 5 << dots("······");
        const QString ferry =
            QStringLiteral("Every morning the old ferry crosses the quiet river.");
        QTest::newRow("wider gap on the right")
            << ferry << 20
            << dots("Every··morning···the·old···ferry··crosses·the·quiet·river.····");
        QTest::newRow("justified line ending in spaces")
            << "Sun and sky" << 10 << dots("Sun·and····sky·······");
        QTest::newRow("line starting with a space")
            << "Sun and sky" << 10 << dots("·Sun···and·sky·······");
    }
    void laidOutCheckCatches() {
        QFETCH(QString, paragraph);
        QFETCH(int, width);
        QFETCH(QString, laidOut);
        QVERIFY(!fuzzchecks::checkLaidOut(paragraph, width, laidOut).empty());
    }

    // A song-file check whose bounds are a few bytes loose: it reads zeros past the end of a
    // file cut short and takes them for the rest of its last track.
    void songCheckCatchesALooseBound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("song1") << QStringLiteral(ZELVORIA_FUZZ_DIR "/corpus/song_file/song1.msc");
        QTest::newRow("song20") << QStringLiteral(ZELVORIA_FUZZ_DIR "/corpus/song_file/song20.msc");
    }
    void songCheckCatchesALooseBound() {
        QFETCH(QString, file);
        QFile song(file);
        QVERIFY(song.open(QIODevice::ReadOnly));
        const QByteArray bytes = song.readAll();
        QVERIFY(fuzzchecks::checkSongVerdicts(bytes, music::isStandardMidiFile).empty());
        const auto loose = [](const QByteArray& f) { return music::isStandardMidiFile(f + QByteArray(8, '\0')); };
        QVERIFY(!fuzzchecks::checkSongVerdicts(bytes, loose).empty());
    }

    // Rows that break the pane's promise, each of which the check must refuse.
    void rowsCheckCatches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a row wider than the pane") << "abcdef gh" << dotRows("abcdef|gh");
        QTest::newRow("a letter lost at the break") << "abc def" << dotRows("abc|ef");
        QTest::newRow("two spaces dropped at a break") << "abc  def" << dotRows("abc|def");
        QTest::newRow("a word cut that fits a row") << "ab cdef" << dotRows("ab·c|def");
        QTest::newRow("a short row cutting a word") << "abcdef" << dotRows("ab|cdef");
        QTest::newRow("the end of the text missing") << "abc def" << dotRows("abc");
        QTest::newRow("an empty row") << "abc def" << QStringList{"abc", "", "def"};
    }
    void rowsCheckCatches() {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        QVERIFY(!fuzzchecks::checkRows(text, 5, rows).empty());
    }

    void rowsCheckAccepts() {
        QVERIFY(fuzzchecks::checkRows(QStringLiteral("abc def"), 5, {"abc", "def"}).empty());
        QVERIFY(fuzzchecks::checkRows(QStringLiteral("abcdefg"), 5, {"abcde", "fg"}).empty());
        QVERIFY(fuzzchecks::checkRows(QStringLiteral("abcde "), 5, {"abcde"}).empty());
    }

    // A catalogue that answers differently from the twelve names and two words is refused.
    void signCheckCatches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isSign");
        QTest::addColumn<bool>("isGender");
        QTest::addColumn<QString>("range");
        QTest::newRow("small letters taken for a sign")
            << "aries" << true << false << "Mar 21 - Apr 19";
        QTest::newRow("trailing blank taken for a sign")
            << "Leo " << true << false << "Jul 23 - Aug 22";
        QTest::newRow("a sign refused") << "Pisces" << false << false << "Feb 19 - Mar 20";
        QTest::newRow("capitals taken for a gender") << "SHE" << false << true << "";
        QTest::newRow("a gender refused") << "He" << false << false << "";
        QTest::newRow("range for no sign") << "Ari" << false << false << "Mar 21 - Apr 19";
        QTest::newRow("no range for a sign") << "Virgo" << true << false << "";
    }
    void signCheckCatches() {
        QFETCH(QString, text);
        QFETCH(bool, isSign);
        QFETCH(bool, isGender);
        QFETCH(QString, range);
        QVERIFY(!fuzzchecks::checkSignAnswers(text, isSign, isGender, range).empty());
    }
};

QTEST_APPLESS_MAIN(TestFuzzReplay)
#include "test_fuzzreplay.moc"
