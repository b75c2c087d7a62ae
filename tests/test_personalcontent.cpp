// The personal analysis catalogue as the program carries it, and the vibration grid.
#include "ContentChecks.h"
#include "GridText.h"
#include "assets/ContentCatalogue.h"
#include "personal/VibrationGrid.h"
#include "zodiac/Astrology.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>
#include <algorithm>

using namespace zodiac;

namespace {

const assets::ContentCatalogue& catalogue() {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/personal"));
}

QString entry(const QString& key) {
    return catalogue().entry(key).value_or(QString());
}

const QStringList& introductionSections() {
    static const QStringList sections{"ZodiacPlace", "Symbol",  "Ruler",          "ElementNature",
                                      "Character",   "Leisure", "BodyAndColours", "Strength"};
    return sections;
}

QStringList expectedKeys() {
    QStringList keys;
    for (const QString& sign : signNames()) {
        for (const QString& section : introductionSections())
            keys << sign + QLatin1Char('.') + section;
        keys << sign + QStringLiteral(".House");
    }
    for (const char* q : {"Cardinal", "Fixed", "Mutable"})
        keys << QStringLiteral("Quality.") + QLatin1String(q);
    for (const char* e : {"Fire", "Earth", "Air", "Water"})
        keys << QStringLiteral("Element.") + QLatin1String(e);
    for (const char* p : {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                          "Neptune", "Pluto"})
        keys << QStringLiteral("Planet.") + QLatin1String(p);
    for (int n = 1; n <= 3; ++n)
        keys << QStringLiteral("RelationshipIntro.%1").arg(n);
    for (int n = 1; n <= 7; ++n)
        keys << QStringLiteral("VibrationMeaning.%1").arg(n);
    return keys;
}

// The digit a grid block shows for the sign at `row` against its `column`-th sign (0 to 5).
QChar gridDigit(const QString& rows, int row, int column) {
    return rows.at(row * 35 + 13 + 4 * column);
}

} // namespace

class TestPersonalContent : public QObject {
    Q_OBJECT
private slots:
    void catalogueIsCompleteAndReadsCleanly() {
        QCOMPARE(catalogue().faults(), QStringList());
        QStringList expected = expectedKeys();
        QStringList present = catalogue().entries().keys();
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
        for (const QString& key : expected)
            QVERIFY2(!entry(key).isEmpty(), qPrintable(key));
    }

    void everyEntryIsOneCleanLine() {
        for (auto it = catalogue().entries().cbegin(); it != catalogue().entries().cend(); ++it) {
            const QString& text = it.value();
            const char* key = qPrintable(it.key());
            for (const QChar c : text)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() <= 0x7E, key);
            QVERIFY2(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')), key);
            QVERIFY2(!text.contains(QStringLiteral("  ")), key);
        }
    }

    void sectionLengths_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("medianLength");
        QTest::addColumn<int>("longest");
        QTest::newRow("ZodiacPlace") << "ZodiacPlace" << 429 << 512 << 658;
        QTest::newRow("Symbol") << "Symbol" << 541 << 906 << 1251;
        QTest::newRow("Ruler") << "Ruler" << 864 << 1049 << 1277;
        QTest::newRow("ElementNature") << "ElementNature" << 512 << 859 << 1042;
        QTest::newRow("Character") << "Character" << 331 << 414 << 579;
        QTest::newRow("Leisure") << "Leisure" << 255 << 381 << 493;
        QTest::newRow("BodyAndColours") << "BodyAndColours" << 162 << 240 << 322;
        QTest::newRow("Strength") << "Strength" << 236 << 276 << 334;
        QTest::newRow("House") << "House" << 270 << 330 << 418;
    }
    void sectionLengths() {
        QFETCH(QString, section);
        QFETCH(int, shortest);
        QFETCH(int, medianLength);
        QFETCH(int, longest);
        QList<int> lengths;
        for (const QString& sign : signNames()) {
            const int length = static_cast<int>(entry(sign + QLatin1Char('.') + section).size());
            QVERIFY2(length >= shortest && length <= longest,
                     qPrintable(QStringLiteral("%1: %2").arg(sign).arg(length)));
            lengths << length;
        }
        const double median = contentchecks::median(lengths);
        QVERIFY2(contentchecks::near(median, medianLength), qPrintable(QString::number(median)));
    }

    void wholeIntroductionLength() {
        for (const QString& sign : signNames()) {
            qsizetype total = 0;
            for (const QString& section : introductionSections())
                total += entry(sign + QLatin1Char('.') + section).size();
            QVERIFY2(total >= 4149 && total <= 4979,
                     qPrintable(QStringLiteral("%1: %2").arg(sign).arg(total)));
        }
    }

    void singleLengths_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("length");
        const std::pair<const char*, int> stated[] = {
            {"Quality.Cardinal", 505},    {"Quality.Fixed", 547},
            {"Quality.Mutable", 541},     {"Element.Fire", 636},
            {"Element.Earth", 565},       {"Element.Air", 454},
            {"Element.Water", 562},       {"Planet.Sun", 572},
            {"Planet.Moon", 478},         {"Planet.Mercury", 521},
            {"Planet.Venus", 348},        {"Planet.Mars", 418},
            {"Planet.Jupiter", 489},      {"Planet.Saturn", 496},
            {"Planet.Uranus", 613},       {"Planet.Neptune", 588},
            {"Planet.Pluto", 589},        {"RelationshipIntro.1", 103},
            {"RelationshipIntro.2", 180}, {"RelationshipIntro.3", 231},
            {"VibrationMeaning.1", 168},  {"VibrationMeaning.2", 81},
            {"VibrationMeaning.3", 144},  {"VibrationMeaning.4", 127},
            {"VibrationMeaning.5", 173},  {"VibrationMeaning.6", 235},
            {"VibrationMeaning.7", 156}};
        for (const auto& [key, length] : stated)
            QTest::newRow(key) << QString::fromLatin1(key) << length;
    }
    void singleLengths() {
        QFETCH(QString, key);
        QFETCH(int, length);
        const qsizetype actual = entry(key).size();
        QVERIFY2(5 * actual >= 4 * length && 5 * actual <= 6 * length,
                 qPrintable(QString::number(actual)));
    }

    void vibrationMeaningsOpenWithTheirNumber() {
        for (int n = 1; n <= 7; ++n) {
            const QString text = entry(QStringLiteral("VibrationMeaning.%1").arg(n));
            QVERIFY2(text.startsWith(QStringLiteral("The %1 Vibration - ").arg(n)),
                     qPrintable(text.left(30)));
        }
    }

    // The house a sign rules is named where the texts speak of it, with the sign and its planets.
    void housesAreNamed_data() {
        QTest::addColumn<int>("place");
        for (int place = 0; place < SignCount; ++place)
            QTest::newRow(qPrintable(signName(signAt(place)))) << place;
    }
    void housesAreNamed() {
        QFETCH(int, place);
        const Sign sign = signAt(place);
        const QString name = signName(sign);
        const QStringList houseParts = houseName(sign).split(QStringLiteral(", "));
        QCOMPARE(houseParts.size(), 2);
        for (const char* section : {".ZodiacPlace", ".House"}) {
            const QString text = entry(name + QLatin1String(section));
            for (const QString& part : houseParts)
                QVERIFY2(text.contains(part),
                         qPrintable(name + QLatin1String(section) + ": " + part));
        }
        const QString house = entry(name + QStringLiteral(".House"));
        QVERIFY(house.contains(name));
        for (const Planet planet : SignPlanets(sign))
            QVERIFY2(house.contains(planetName(planet)), qPrintable(planetName(planet)));
    }

    void gridStringsAsQuoted() {
        const personal::VibrationBlock first = personal::VibrationGridBlock(0);
        const personal::VibrationBlock second = personal::VibrationGridBlock(1);
        QCOMPARE(first.header.size(), 72);
        QCOMPARE(first.rows.size(), 419);
        QCOMPARE(second.header.size(), 73);
        QCOMPARE(second.rows.size(), 419);
        QCOMPARE(first.header, QStringLiteral("            Ari Tau Gem Can Leo Vir             "
                                              "--- --- --- --- --- --- "));
        QCOMPARE(second.header, QStringLiteral("             Lib Sco Sag Cap Aqu Pis             "
                                               "--- --- --- --- --- --- "));
        QCOMPARE(first.rows.left(35), QStringLiteral("Aries        1   2   3   4   5   6 "));
        QCOMPARE(first.rows.right(34), QStringLiteral("Pisces       2   3   4   5   6   7"));
        QCOMPARE(second.rows.left(35), QStringLiteral("Aries        7   6   5   4   3   2 "));
        QCOMPARE(second.rows.right(34), QStringLiteral("Pisces       6   5   4   3   2   1"));
        QCOMPARE(first.header + first.rows, gridtext::vibrationBlock(0, 12));
        QCOMPARE(second.header + second.rows, gridtext::vibrationBlock(6, 13));
    }

    // Read back from the text: every pair once each way, 1 on the diagonal, 7 across the wheel.
    void gridIsSymmetricWithOnesAndSevens() {
        const QString rows[2] = {personal::VibrationGridBlock(0).rows,
                                 personal::VibrationGridBlock(1).rows};
        const auto digit = [&rows](int a, int b) { return gridDigit(rows[b / 6], a, b % 6); };
        for (int a = 0; a < SignCount; ++a) {
            QVERIFY(rows[0].mid(a * 35, 13).trimmed() == signName(signAt(a)));
            QCOMPARE(digit(a, a), QLatin1Char('1'));
            QCOMPARE(digit(a, (a + 6) % SignCount), QLatin1Char('7'));
            for (int b = 0; b < SignCount; ++b) {
                QCOMPARE(digit(a, b), digit(b, a));
                QCOMPARE(digit(a, b).digitValue(), personal::VibrationNumber(signAt(a), signAt(b)));
            }
        }
        QCOMPARE(personal::VibrationNumber(Sign::Aries, Sign::Pisces),
                 2); // neighbours across the wheel's seam
        QCOMPARE(personal::VibrationNumber(Sign::Cancer, Sign::Capricorn), 7);
    }
};

QTEST_APPLESS_MAIN(TestPersonalContent)
#include "test_personalcontent.moc"
