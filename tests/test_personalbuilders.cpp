// How the six personal analysis texts are put together from the catalogue.
#include "ContentChecks.h"
#include "assets/ContentCatalogue.h"
#include "personal/PersonalContent.h"
#include "personal/VibrationGrid.h"
#include "shell/TextPane.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>
#include <cstdlib>

using namespace personal;
using textlayout::BlankLine;

namespace {

const QString kEmptyRow(35, QLatin1Char(' '));

QString entry(const QString& key) {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/personal"))
        .entry(key)
        .value_or(QString());
}
QString F(const QString& key) {
    return textlayout::FormatParagraph(entry(key), 35);
}

// Reads a text of laid-out paragraphs and separators back into its parts: a separator as an
// empty string, a paragraph as its words joined by single spaces. A paragraph is a 35-character
// line followed by lines of the breaking space and 35 characters; a separator is 35 spaces.
QStringList parts(const QString& text) {
    QStringList result;
    qsizetype at = 0;
    while (at < text.size()) {
        if (text.mid(at, 35) == kEmptyRow) {
            result << QString();
            at += 35;
            continue;
        }
        qsizetype end = at + 35;
        while (end + 1 < text.size() && text[end] == QLatin1Char(' ') &&
               text[end + 1] != QLatin1Char(' '))
            end += 36;
        if (end > text.size())
            return {QStringLiteral("<cut line>")};
        result << text.mid(at, end - at).simplified();
        at = end;
    }
    return result;
}

QStringList expectParts(const QStringList& keys) {
    QStringList result;
    for (const QString& key : keys) {
        if (!result.isEmpty())
            result << QString();
        result << entry(key);
    }
    return result;
}

} // namespace

class TestPersonalBuilders : public QObject {
    Q_OBJECT
private slots:
    void introductionIsEightSectionsInOrder_data() {
        QTest::addColumn<QString>("sign");
        for (const QString& sign : zodiac::signNames())
            QTest::newRow(qPrintable(sign)) << sign;
    }
    void introductionIsEightSectionsInOrder() {
        QFETCH(QString, sign);
        QStringList keys;
        for (const char* section : {"ZodiacPlace", "Symbol", "Ruler", "ElementNature", "Character",
                                    "Leisure", "BodyAndColours", "Strength"})
            keys << sign + QLatin1Char('.') + QLatin1String(section);
        const auto introduction = BuildIntroductionText(sign);
        const auto house = BuildHouseText(sign);
        QVERIFY(introduction && house);
        const QString& text = *introduction;
        const QStringList found = parts(text);
        QCOMPARE(found.size(), 15);
        QCOMPARE(found.count(QString()), 7);
        QCOMPARE(found, expectParts(keys));
        QVERIFY(!text.endsWith(BlankLine()));
        QCOMPARE(parts(*house), QStringList{entry(sign + ".House")});
    }

    void signsShareTheirQualityAndElementTexts_data() {
        QTest::addColumn<QStringList>("signs");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("element");
        QTest::newRow("cardinal") << QStringList{"Aries", "Cancer", "Libra", "Capricorn"}
                                  << "Cardinal"
                                  << "";
        QTest::newRow("fixed") << QStringList{"Taurus", "Leo", "Scorpio", "Aquarius"} << "Fixed"
                               << "";
        QTest::newRow("mutable") << QStringList{"Gemini", "Virgo", "Sagittarius", "Pisces"}
                                 << "Mutable"
                                 << "";
        QTest::newRow("fire") << QStringList{"Aries", "Leo", "Sagittarius"} << ""
                              << "Fire";
        QTest::newRow("earth") << QStringList{"Taurus", "Virgo", "Capricorn"} << ""
                               << "Earth";
        QTest::newRow("air") << QStringList{"Gemini", "Libra", "Aquarius"} << ""
                             << "Air";
        QTest::newRow("water") << QStringList{"Cancer", "Scorpio", "Pisces"} << ""
                               << "Water";
    }
    void signsShareTheirQualityAndElementTexts() {
        QFETCH(QStringList, signs);
        QFETCH(QString, quality);
        QFETCH(QString, element);
        const bool byQuality = !quality.isEmpty();
        const auto build = byQuality ? BuildQualityText : BuildElementText;
        const QString expected = byQuality ? F("Quality." + quality) : F("Element." + element);
        QVERIFY(!expected.isEmpty());
        for (const QString& sign : zodiac::signNames())
            QCOMPARE(build(sign) == expected, signs.contains(sign));
        QCOMPARE(parts(expected).size(), 1);
    }

    void planetsInTheirOrder_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QStringList>("planets");
        QTest::newRow("Aries") << "Aries" << QStringList{"Mars"};
        QTest::newRow("Scorpio") << "Scorpio" << QStringList{"Mars", "Pluto"};
        QTest::newRow("Capricorn") << "Capricorn" << QStringList{"Saturn"};
        QTest::newRow("Aquarius") << "Aquarius" << QStringList{"Uranus", "Saturn"};
        QTest::newRow("Sagittarius") << "Sagittarius" << QStringList{"Jupiter"};
        QTest::newRow("Pisces") << "Pisces" << QStringList{"Jupiter", "Neptune"};
        QTest::newRow("Leo") << "Leo" << QStringList{"Sun"};
        QTest::newRow("Cancer") << "Cancer" << QStringList{"Moon"};
        QTest::newRow("Virgo") << "Virgo" << QStringList{"Mercury"};
        QTest::newRow("Libra") << "Libra" << QStringList{"Venus"};
    }
    void planetsInTheirOrder() {
        QFETCH(QString, sign);
        QFETCH(QStringList, planets);
        QString expected = F("Planet." + planets[0]);
        if (planets.size() == 2)
            expected += BlankLine() + F("Planet." + planets[1]);
        QCOMPARE(BuildPlanetText(sign), std::optional<QString>(expected));
    }

    // The paragraphs around the grid; the grid itself is read in the pane below.
    void relationshipTextIsOneForAll() {
        const QString text = BuildRelationshipText();
        const QString B = BlankLine();
        const VibrationBlock first = VibrationGridBlock(0);
        const VibrationBlock second = VibrationGridBlock(1);
        QString expected = F("RelationshipIntro.1") + B + F("RelationshipIntro.2") + B +
                           F("RelationshipIntro.3") + B + B + first.header + first.rows + B +
                           second.header + second.rows + B + B;
        for (int n = 1; n <= 7; ++n)
            expected +=
                (n > 1 ? B + B : QString()) + F(QStringLiteral("VibrationMeaning.%1").arg(n));
        QCOMPARE(text, expected);
        QVERIFY(!text.endsWith(B));
    }

    // Which spellings name a sign is the sign catalogue's rule (test_signcatalogue); here only
    // that every builder keeps to it, with near misses a lax lookup would accept.
    void namesThatAreNoSignsBuildNothing() {
        for (const QString& name : {QStringLiteral("scorpio"), QStringLiteral("Leo ")}) {
            QVERIFY(!BuildIntroductionText(name));
            QVERIFY(!BuildHouseText(name));
            QVERIFY(!BuildQualityText(name));
            QVERIFY(!BuildPlanetText(name));
            QVERIFY(!BuildElementText(name));
        }
    }

    // The vibration grid as the pane shows it, read back: two empty rows above it, every sign
    // down the side and across the top, 1 for a sign with itself, 7 across the wheel and one
    // step between neighbouring columns (so 2 for neighbours, the same number both ways), two
    // empty rows below it before the meanings.
    void relationshipInThePane() {
        shell::TextPane pane;
        pane.setText(BuildRelationshipText());
        const QStringList rows = pane.rows();
        const contentchecks::GridCells grid = contentchecks::readGrids(rows, 35);
        QVERIFY2(grid.fault.isEmpty(), qPrintable(grid.fault));
        QStringList names;
        QStringList abbreviations;
        for (int place = 0; place < zodiac::SignCount; ++place) {
            names << zodiac::signName(zodiac::signAt(place));
            abbreviations << zodiac::SignAbbreviation(zodiac::signAt(place));
        }
        QCOMPARE(grid.labels, names + names);
        QCOMPARE(grid.columns, abbreviations);
        const auto number = [&](int a, int b) {
            return grid.cells.value(names[a % 12]).value(abbreviations[b % 12]);
        };
        for (int a = 0; a < zodiac::SignCount; ++a) {
            QCOMPARE(grid.cells.value(names[a]).size(), zodiac::SignCount);
            QCOMPARE(number(a, a), 1);
            QCOMPARE(number(a, a + 6), 7);
            for (int b = 0; b < zodiac::SignCount; ++b) {
                QCOMPARE(number(a, b), number(b, a));
                QCOMPARE(std::abs(number(a, b + 1) - number(a, b)), 1);
            }
        }
        const qsizetype top = rows.indexOf(QRegularExpression(QStringLiteral(" +Ari .*")));
        QVERIFY(top > 1);
        QCOMPARE(rows[top - 1], kEmptyRow);
        QCOMPARE(rows[top - 2], kEmptyRow);
        const qsizetype meanings = top + 2 * (2 + zodiac::SignCount) + 1;
        QCOMPARE(rows[meanings].trimmed(), QString());
        QCOMPARE(rows[meanings + 1].trimmed(), QString());
        QVERIFY(rows[meanings + 2].startsWith(QStringLiteral("The 1 Vibration")));
    }

    void introductionInThePane() {
        shell::TextPane pane;
        const auto leo = BuildIntroductionText(QStringLiteral("Leo"));
        QVERIFY(leo);
        const QString& text = *leo;
        pane.setText(text);
        QCOMPARE(pane.text(), text);
        // Rebuilding the text from the rows (each later line had the breaking space in front)
        // gives back exactly what was laid out.
        const QStringList rows = pane.rows();
        QString rejoined = rows.first();
        for (qsizetype i = 1; i < rows.size(); ++i) {
            QCOMPARE(rows[i].size(), 35);
            rejoined += (rows[i] == kEmptyRow || rows[i - 1] == kEmptyRow ? QString()
                                                                          : QStringLiteral(" ")) +
                        rows[i];
        }
        QCOMPARE(rejoined, text);
        QCOMPARE(rows.count(kEmptyRow), 7);
    }
};

QTEST_MAIN(TestPersonalBuilders)
#include "test_personalbuilders.moc"
