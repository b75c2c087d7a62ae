// The texts of the love analysis topics as the pane shows them: the Love Match reading of every
// pair, the three guides of every partner sign and the love ratings grid.

#include "GridText.h"
#include "assets/ContentCatalogue.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "shell/AppState.h"
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

// Ratings of the nine traits for Aries .. Pisces (3 high, 2 medium, 1 low).
const std::pair<const char*, const char*> kRatings[] = {
    {"Caring", "123322231213"},      {"Daring", "323231223122"},
    {"Devoted", "231333232313"},     {"Flirtatious", "323131223232"},
    {"Jealous", "231333231213"},     {"Libido", "332231233212"},
    {"Playful", "323231323222"},     {"Possessive", "231232231212"},
    {"Romantic", "332332322223"},
};

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

    void loveMatchExamples() {
        const QString ariesAquarius = *BuildLoveMatchText(QStringLiteral("Aquarius"),
                                                          QStringLiteral("Aries"));
        QVERIFY(ariesAquarius.startsWith(
            textlayout::FormatParagraph(lovematch(QStringLiteral("Aries+Aquarius.Intro")), 35)));

        // Pisces with Taurus has no Dynamics: five paragraphs, five empty rows.
        const QString piscesTaurus = *BuildLoveMatchText(QStringLiteral("Pisces"),
                                                         QStringLiteral("Taurus"));
        QCOMPARE(emptyRows(shownRows(piscesTaurus)), 5);
        QString five;
        for (const char* name : {"Intro", "Planets", "Elements", "Qualities", "BestAspect"})
            five += lovematch(QStringLiteral("Taurus+Pisces.") + QLatin1String(name));
        QCOMPARE(ink(piscesTaurus), ink(five));

        // The 23-character compound fills most of a row and must stay whole on it.
        const QString compound = QStringLiteral("Sagittarius-Sagittarius");
        const QString sagittarius = *BuildLoveMatchText(QStringLiteral("Sagittarius"),
                                                        QStringLiteral("Sagittarius"));
        const QStringList rows = shownRows(sagittarius);
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(),
                            [&](const QString& row) { return row.contains(compound); }));
        for (const QString& row : textlayout::PaneRows(sagittarius, 35))
            QVERIFY(row.size() <= 35);
    }

    void namesThatAreNoSigns_data() {
        QTest::addColumn<QString>("sign");
        QTest::newRow("small letters") << "leo";
        QTest::newRow("capitals") << "LEO";
        QTest::newRow("blank after") << "Leo ";
        QTest::newRow("blank before") << " Leo";
        QTest::newRow("empty") << "";
        QTest::newRow("abbreviation") << "Leo.";
        QTest::newRow("not a sign") << "Ophiuchus";
    }
    void namesThatAreNoSigns() {
        QFETCH(QString, sign);
        QVERIFY(!BuildLoveMatchText(sign, QStringLiteral("Leo")));
        QVERIFY(!BuildLoveMatchText(QStringLiteral("Leo"), sign));
        QVERIFY(!BuildDosAndDontsText(sign));
        QVERIFY(!BuildDateGuideText(sign));
        QVERIFY(!BuildGiftGuideText(sign, QStringLiteral("He")));
        QVERIFY(!BuildGiftGuideText(sign, QStringLiteral("She")));
    }

    void wordsThatAreNoGender_data() {
        QTest::addColumn<QString>("gender");
        QTest::newRow("small letters") << "he";
        QTest::newRow("capitals") << "SHE";
        QTest::newRow("blank after") << "He ";
        QTest::newRow("empty") << "";
        QTest::newRow("other word") << "They";
    }
    void wordsThatAreNoGender() {
        QFETCH(QString, gender);
        QVERIFY(!BuildGiftGuideText(QStringLiteral("Leo"), gender));
    }

    void guidesOfEverySign_data() {
        QTest::addColumn<QString>("sign");
        for (const QString& name : signNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void guidesOfEverySign() {
        QFETCH(QString, sign);
        const QString dos = *BuildDosAndDontsText(sign);
        const QString date = *BuildDateGuideText(sign);
        const QString giftHe = *BuildGiftGuideText(sign, QStringLiteral("He"));
        const QString giftShe = *BuildGiftGuideText(sign, QStringLiteral("She"));

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

    void guidesIgnoreTheUserSign() {
        shell::appState().UserSign = QStringLiteral("Aries");
        const auto dos = BuildDosAndDontsText(QStringLiteral("Leo"));
        const auto date = BuildDateGuideText(QStringLiteral("Leo"));
        const auto gift = BuildGiftGuideText(QStringLiteral("Leo"), QStringLiteral("She"));
        for (const QString& user : signNames()) {
            shell::appState().UserSign = user;
            QCOMPARE(BuildDosAndDontsText(QStringLiteral("Leo")), dos);
            QCOMPARE(BuildDateGuideText(QStringLiteral("Leo")), date);
            QCOMPARE(BuildGiftGuideText(QStringLiteral("Leo"), QStringLiteral("She")), gift);
        }
    }

    void loveRatingsGrid() {
        const QString grid = BuildLoveRatingsText();
        QCOMPARE(grid.size(), 875);
        QCOMPARE(grid, gridtext::loveRatingsGrid());

        QStringList rows;
        for (int i = 0; i < 25; ++i)
            rows << grid.mid(i * 35, 35);
        QCOMPARE(rows[1], BlankLine());
        QCOMPARE(rows[13], BlankLine());

        // Read every rating back from under the middle letter of its sign's abbreviation.
        QHash<QString, QString> readBack;
        for (int half = 0; half < 2; ++half) {
            const QString& header = rows[2 + 12 * half];
            const QString& rule = rows[3 + 12 * half];
            for (int t = 0; t < 9; ++t) {
                const QString& row = rows[4 + 12 * half + t];
                const QString trait = row.left(12).trimmed();
                int column = 0;
                for (qsizetype at = 12; at < row.size(); ++at) {
                    if (row[at] == QLatin1Char(' '))
                        continue;
                    QVERIFY2(column < 6, qPrintable(QStringLiteral("too many ratings for ") + trait));
                    const Sign sign = signAt(6 * half + column);
                    QCOMPARE(header.mid(at - 1, 3), SignAbbreviation(sign));
                    QCOMPARE(rule.mid(at - 1, 3), QStringLiteral("---"));
                    QVERIFY(row[at] >= QLatin1Char('1') && row[at] <= QLatin1Char('3'));
                    readBack[trait] += row[at];
                    ++column;
                }
                QCOMPARE(column, 6);
            }
        }
        QCOMPARE(readBack.size(), 9);
        for (const auto& [trait, ratings] : kRatings)
            QCOMPARE(readBack.value(QLatin1String(trait)), QLatin1String(ratings));
    }
};

QTEST_GUILESS_MAIN(TestLoveBuilders)
#include "test_lovebuilders.moc"
