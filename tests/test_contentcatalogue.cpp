// Reading the content files: what becomes an entry and what is reported as a fault. The files of
// one folder are read in turn into one catalogue, so a key may clash across files too.
#include "assets/ContentCatalogue.h"

#include <QtTest>

class TestContentCatalogue : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("entries"); // "key|text", sorted by key
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("entries, comments and empty lines")
            << QStringList{"# Leo\n\nLeo.Ruler = The Sun.\nLeo.House = Fifth.\n"}
            << QStringList{"Leo.House|Fifth.", "Leo.Ruler|The Sun."} << QStringList{};
        QTest::newRow("CRLF line ends leave no carriage return")
            << QStringList{"# Leo\r\n\r\nLeo.Ruler = The Sun.\r\nLeo.House = Fifth."}
            << QStringList{"Leo.House|Fifth.", "Leo.Ruler|The Sun."} << QStringList{};
        QTest::newRow("a key given twice keeps the first")
            << QStringList{"A = first\nA = second\n"} << QStringList{"A|first"}
            << QStringList{"A = second"};
        QTest::newRow("a key given again in a later file")
            << QStringList{"A = first\n", "A = second\n"} << QStringList{"A|first"}
            << QStringList{"A = second"};
        QTest::newRow("no separator") << QStringList{"A=x\nA x\nA =x\nB = y"} << QStringList{"B|y"}
                                      << QStringList{"A=x", "A x", "A =x"};
        QTest::newRow("empty or blank key") << QStringList{" = x\n  = y\nA  = z\n"} << QStringList{}
                                            << QStringList{" = x", "  = y", "A  = z"};
        QTest::newRow("separator inside the text")
            << QStringList{"A = 1 = 2"} << QStringList{"A|1 = 2"} << QStringList{};
    }
    void parse() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, faults);
        QHash<QString, QString> parsed;
        QStringList reported;
        for (const QString& file : files)
            reported << assets::ContentCatalogue::parse(file, parsed);
        QStringList read;
        for (auto it = parsed.cbegin(); it != parsed.cend(); ++it)
            read << it.key() + u'|' + it.value();
        read.sort();
        QCOMPARE(read, entries);
        QCOMPARE(reported, faults);
    }
};

QTEST_APPLESS_MAIN(TestContentCatalogue)
#include "test_contentcatalogue.moc"
