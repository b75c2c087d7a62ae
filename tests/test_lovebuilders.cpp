// The texts of the love analysis topics as the pane shows them: the Love Match reading of every
// pair, the three guides of every partner sign and the love ratings grid.

#include "ContentChecks.h"
#include "assets/ContentCatalogue.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>

using namespace compat;
using namespace zodiac;
using textlayout::BlankLine;

namespace {

// The rows the 35-column pane shows, trimmed; a separator shows as an empty row.
QStringList shownRows(const QString& text) {
    QStringList rows = textlayout::PaneRows(text, 35);
    for (QString& row : rows)
        row = row.trimmed();
    return rows;
}

int emptyRows(const QStringList& rows) { return int(rows.count(QString())); }

bool hasTwoEmptyRowsInARow(const QStringList& rows) {
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (rows[i].isEmpty() && rows[i - 1].isEmpty())
            return true;
    }
    return false;
}

// The characters of a text without its spaces: laying out only adds or moves spaces.
QString ink(QString text) { return text.remove(QLatin1Char(' ')); }

QString lovematch(const QString& key) {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/lovematch"))
        .entry(key)
        .value_or(QString());
}

QString guide(const QString& key) {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/guides"))
        .entry(key)
        .value_or(QString());
}

} // namespace

class TestLoveBuilders : public QObject {
    Q_OBJECT
private slots:
    void loveMatchOfEveryPair_data() {
        QTest::addColumn<int>("earlier");
        QTest::addColumn<int>("later");
        for (int a = 0; a < SignCount; ++a) {
            for (int b = a; b < SignCount; ++b)
                QTest::newRow(qPrintable(signName(signAt(a)) + u'+' + signName(signAt(b))))
                    << a << b;
        }
    }
    void loveMatchOfEveryPair() {
        QFETCH(int, earlier);
        QFETCH(int, later);
        const QString first = signName(signAt(earlier));
        const QString second = signName(signAt(later));
        const auto text = BuildLoveMatchText(first, second);
        QVERIFY(text.has_value());
        const auto reversed = BuildLoveMatchText(second, first);
        QVERIFY(reversed.has_value());
        QCOMPARE(*reversed, *text);

        QVERIFY(text->endsWith(BlankLine()));
        QVERIFY(!text->contains(QLatin1Char('\n')));

        // Every section of the reading, in the fixed order, each followed by one empty row.
        QString sections;
        int sectionCount = 0;
        for (const char* name :
             {"Intro", "Dynamics", "Planets", "Elements", "Qualities", "BestAspect"}) {
            const QString section = lovematch(first + u'+' + second + u'.' + QLatin1String(name));
            if (!section.isEmpty()) {
                sections += section;
                ++sectionCount;
            }
        }
        QCOMPARE(ink(*text), ink(sections));
        const QStringList rows = shownRows(*text);
        QCOMPARE(emptyRows(rows), sectionCount);
        QVERIFY(rows.last().isEmpty());
        QVERIFY(!rows.first().isEmpty());
        QVERIFY(!hasTwoEmptyRowsInARow(rows));
    }

    // The 23-character compound fills most of a row and must stay whole on it.
    void aLongCompoundStaysWhole() {
        const auto sagittarius = BuildLoveMatchText(QStringLiteral("Sagittarius"), QStringLiteral("Sagittarius"));
        QVERIFY(sagittarius);
        const QStringList rows = shownRows(*sagittarius);
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(),
                            [](const QString& row) { return row.contains(QStringLiteral("Sagittarius-Sagittarius")); }));
    }

    // Which spellings name a sign or a gender is the sign catalogue's rule (test_signcatalogue);
    // here only that every builder keeps to it, with near misses a lax lookup would accept.
    void namesThatAreNoSignsBuildNothing() {
        for (const QString& sign : {QStringLiteral("leo"), QStringLiteral("Leo ")}) {
            QVERIFY(!BuildLoveMatchText(sign, QStringLiteral("Leo")));
            QVERIFY(!BuildLoveMatchText(QStringLiteral("Leo"), sign));
            QVERIFY(!BuildDosAndDontsText(sign));
            QVERIFY(!BuildDateGuideText(sign));
            QVERIFY(!BuildGiftGuideText(sign, QStringLiteral("He")));
        }
        QVERIFY(!BuildGiftGuideText(QStringLiteral("Leo"), QStringLiteral("she")));
    }

    void guidesOfEverySign_data() {
        QTest::addColumn<QString>("sign");
        for (const QString& name : signNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void guidesOfEverySign() {
        QFETCH(QString, sign);
        const auto dosBuilt = BuildDosAndDontsText(sign);
        const auto dateBuilt = BuildDateGuideText(sign);
        const auto giftHeBuilt = BuildGiftGuideText(sign, QStringLiteral("He"));
        const auto giftSheBuilt = BuildGiftGuideText(sign, QStringLiteral("She"));
        QVERIFY(dosBuilt && dateBuilt && giftHeBuilt && giftSheBuilt);
        const QString &dos = *dosBuilt, &date = *dateBuilt, &giftHe = *giftHeBuilt, &giftShe = *giftSheBuilt;

        const QList<std::pair<QString, int>> separators{{dos, 1}, {date, 3}, {giftHe, 3}, {giftShe, 3}};
        for (const auto& [text, expected] : separators) {
            const QStringList rows = shownRows(text);
            QCOMPARE(emptyRows(rows), expected);
            QVERIFY(!rows.last().isEmpty());
            QVERIFY(!hasTwoEmptyRowsInARow(rows));
        }

        QCOMPARE(ink(dos), ink(guide(sign + QStringLiteral(".Dos")) + guide(sign + QStringLiteral(".Donts"))));
        QCOMPARE(ink(date),
                 ink(QStringLiteral("Insights into Likes, Dislikes, Motivations and Desires:") +
                     guide(sign + QStringLiteral(".DateInsight")) +
                     QStringLiteral("Suggestions for the perfect date:") +
                     guide(sign + QStringLiteral(".DateIdeas"))));
        QCOMPARE(ink(giftHe),
                 ink(QStringLiteral("Personality Insights into Gift Giving:") +
                     guide(sign + QStringLiteral(".GiftInsight")) +
                     QStringLiteral("Suggestions for the perfect gift:") +
                     guide(sign + QStringLiteral(".GiftIdeasHe"))));
        QVERIFY(ink(giftShe).endsWith(ink(guide(sign + QStringLiteral(".GiftIdeasShe")))));

        // The headings keep their own rows; the long one takes two.
        const QStringList dateRows = shownRows(date);
        QCOMPARE((dateRows[0] + u' ' + dateRows[1]).simplified(),
                 QStringLiteral("Insights into Likes, Dislikes, Motivations and Desires:"));
        QVERIFY(dateRows[2].isEmpty());

        // He and She share everything up to the empty row under the list's heading.
        const QStringList heRows = shownRows(giftHe);
        const QStringList sheRows = shownRows(giftShe);
        const qsizetype heading = heRows.indexOf(QStringLiteral("Suggestions for the perfect gift:"));
        QVERIFY(heading > 0);
        QVERIFY(heRows[heading + 1].isEmpty());
        QCOMPARE(sheRows.mid(0, heading + 2), heRows.mid(0, heading + 2));
        QVERIFY(sheRows.mid(heading + 2) != heRows.mid(heading + 2));
    }

    // The grid as the pane shows it: the legend, then two halves of six signs, each row exactly
    // as wide as the pane, every rating from 1 to 3 under its sign, the same traits in both halves.
    void loveRatingsGrid() {
        const QString text = BuildLoveRatingsText();
        const QStringList rows = textlayout::PaneRows(text, 35);
        QCOMPARE(rows.size(), 25);
        for (const QString& row : rows)
            QVERIFY2(row.size() == 35, qPrintable(row));
        for (const char* level : {"3 = High", "2 = Medium", "1 = Low"})
            QVERIFY2(rows[0].contains(QLatin1String(level)), qPrintable(rows[0]));
        QCOMPARE(rows[1], BlankLine());
        QCOMPARE(rows[13], BlankLine());

        const contentchecks::GridCells grid = contentchecks::readGrids(rows, 35);
        QVERIFY2(grid.fault.isEmpty(), qPrintable(grid.fault));
        QStringList abbreviations;
        for (int place = 0; place < SignCount; ++place)
            abbreviations << SignAbbreviation(signAt(place));
        QCOMPARE(grid.columns, abbreviations);
        QCOMPARE(grid.labels.size(), 18);
        QCOMPARE(grid.labels.mid(9), grid.labels.mid(0, 9));
        QCOMPARE(grid.cells.size(), 9);
        for (auto trait = grid.cells.cbegin(); trait != grid.cells.cend(); ++trait) {
            QCOMPARE(trait->size(), SignCount);
            for (const int rating : *trait)
                QVERIFY2(rating >= 1 && rating <= 3, qPrintable(trait.key()));
        }
    }
};

QTEST_GUILESS_MAIN(TestLoveBuilders)
#include "test_lovebuilders.moc"
