#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

#include <QtTest>

using textlayout::BlankLine;
using textlayout::FormatParagraph;
using textlayout::PaneRows;

namespace {
QString F(const QString& paragraph) { return FormatParagraph(paragraph, 35); }
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
            << QStringList{"Every morning the old ferry crosses", "the    quiet   river   with   three",
                           "passengers and a dog.", "", "B"};
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
        QCOMPARE(rows, expected);
    }

    void rowsNeverExceedTheWidth() {
        const QString text = F("One two three four five six seven eight nine ten eleven twelve.") +
                             BlankLine() + BlankLine() + F("Thirteen.");
        for (const QString& row : PaneRows(text, 35))
            QVERIFY(row.size() <= 35);
    }
};

QTEST_APPLESS_MAIN(TestPaneRows)
#include "test_panerows.moc"
