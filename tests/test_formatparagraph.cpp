#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

#include <QRandomGenerator>
#include <QtTest>

using textlayout::BlankLine;
using textlayout::FormatParagraph;

namespace {
QString dots(QString text) { return text.replace(QChar(0x00B7), QLatin1Char(' ')); }

QString withoutSpaces(QString text) { return text.remove(QLatin1Char(' ')); }

// The laid-out lines: the first `width` characters, then runs of width + 1.
QStringList linesOf(const QString& laidOut, int width) {
    QStringList lines;
    if (laidOut.isEmpty())
        return lines;
    if (laidOut.size() == width + 1)
        return {laidOut};
    lines << laidOut.left(width);
    for (qsizetype i = width; i < laidOut.size(); i += width + 1)
        lines << laidOut.mid(i, width + 1);
    return lines;
}

QString randomParagraph(QRandomGenerator& random, int words, int longestWord) {
    QString paragraph;
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            paragraph += QLatin1Char(' ');
        const int length = random.bounded(1, longestWord + 1);
        for (int k = 0; k < length; ++k)
            paragraph += QChar(u'a' + random.bounded(26));
        if (random.bounded(8) == 0)
            paragraph += QLatin1Char(',');
    }
    return paragraph;
}
} // namespace

class TestFormatParagraph : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data() {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ferry, four lines")
            << "Every morning the old ferry crosses the quiet river with three passengers." << 20
            << dots("Every···morning··the·old···ferry··crosses·the·quiet·river·with"
                    "·three·passengers.···");
        QTest::newRow("one character too long") << "Sun and sky" << 10 << dots("Sun····and·sky·······");
        QTest::newRow("last capacity position is the break")
            << "Ab cd efg hij" << 10 << dots("Ab··cd·efg·hij·······");
        QTest::newRow("fits on one line") << "Good day" << 12 << dots("Good·day·····");
        QTest::newRow("empty") << "" << 35 << "";
        QTest::newRow("3 gaps, 5 extra spaces")
            << "aa bb cc dd eeeeee" << 16 << dots("aa···bb···cc··dd·eeeeee··········");
        QTest::newRow("double space is two gaps")
            << "ab  cd ef ghij" << 10 << dots("ab···cd·ef·ghij······");
        QTest::newRow("exactly the width") << "abc de" << 6 << dots("abc·de·");
        QTest::newRow("width + 1 characters") << "abc def" << 6 << dots("abc····def···");
        QTest::newRow("space right after the first line")
            << "abcdef ghi jk" << 6 << dots("abcdef·ghi·jk");
        QTest::newRow("two words only: extra spaces at the end")
            << "Sagittarius-Sagittarius togetherness" << 35
            << QString("Sagittarius-Sagittarius" + QString(12, ' ') + " togetherness" +
                       QString(23, ' '));
        QTest::newRow("word longer than the line is cut")
            << "abcdefghijkl mn" << 5 << dots("abcde·fghij·kl·mn");
        QTest::newRow("width 0 leaves the paragraph") << "Good day" << 0 << "Good day";
        QTest::newRow("negative width leaves the paragraph") << "Good day" << -3 << "Good day";
    }
    void workedExamples() {
        QFETCH(QString, paragraph);
        QFETCH(int, width);
        QFETCH(QString, expected);
        const qint16 w = static_cast<qint16>(width);
        QCOMPARE(FormatParagraph(paragraph, w), expected);
    }

    void blankLineIs35Spaces() {
        QCOMPARE(BlankLine(), QString(35, QLatin1Char(' ')));
    }

    // Over many paragraphs and widths: only spaces are added, every line has its length, and
    // with short words every line but the last is justified to both margins.
    void invariants_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("longestWord");
        QTest::newRow("pane width, short words") << 35 << 11;
        QTest::newRow("pane width, long words") << 35 << 30;
        QTest::newRow("narrow") << 8 << 12;
        QTest::newRow("width 1") << 1 << 4;
        QTest::newRow("width 2") << 2 << 5;
        QTest::newRow("wider than the old tables") << 50 << 16;
        QTest::newRow("very wide") << 300 << 20;
    }
    void invariants() {
        QFETCH(int, width);
        QFETCH(int, longestWord);
        QRandomGenerator random(static_cast<quint32>(width * 7919 + longestWord));
        for (int round = 0; round < 300; ++round) {
            const QString paragraph = randomParagraph(random, random.bounded(1, 120), longestWord);
            const QString laidOut = FormatParagraph(paragraph, static_cast<qint16>(width));
            QCOMPARE(withoutSpaces(laidOut), withoutSpaces(paragraph));
            const QStringList lines = linesOf(laidOut, width);
            const auto n = lines.size();
            QCOMPARE(laidOut.size(), n == 1 ? width + 1 : n * (width + 1) - 1);
            for (qsizetype i = 1; i < n; ++i)
                QVERIFY2(lines[i].startsWith(QLatin1Char(' ')), qPrintable(laidOut));
            if (longestWord * 3 + 2 > width)
                continue;
            for (qsizetype i = 0; i + 1 < n; ++i) {
                const QString body = i == 0 ? lines[i] : lines[i].mid(1);
                QCOMPARE(body.size(), width);
                QVERIFY2(body.front() != QLatin1Char(' ') && body.back() != QLatin1Char(' '),
                         qPrintable(body));
            }
        }
    }

    // Shown in a 35-column pane, every laid-out line is one row, starting at its first character.
    void oneRowPerLine() {
        QRandomGenerator random(35);
        for (int round = 0; round < 300; ++round) {
            const QString paragraph = randomParagraph(random, random.bounded(1, 150), 23);
            const QString laidOut = FormatParagraph(paragraph, 35);
            QStringList expected = linesOf(laidOut, 35);
            for (qsizetype i = 1; i < expected.size(); ++i)
                expected[i] = expected[i].mid(1);
            const QStringList rows = textlayout::PaneRows(laidOut, 35);
            QCOMPARE(rows.size(), expected.size());
            for (qsizetype i = 0; i < rows.size(); ++i)
                QCOMPARE(rows[i].trimmed(), expected[i].trimmed());
        }
    }
};

QTEST_APPLESS_MAIN(TestFormatParagraph)
#include "test_formatparagraph.moc"
