// The personal analysis catalogue as the program carries it.
#include "ContentChecks.h"
#include "assets/ContentCatalogue.h"
#include "zodiac/Astrology.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>

using namespace zodiac;

namespace {

constexpr int kLongestWord = 22; // as in the guides; the pane cuts a word over 35

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
            const QString fault = contentchecks::textFault(it.value(), kLongestWord);
            QVERIFY2(fault.isEmpty(), qPrintable(it.key() + QStringLiteral(": ") + fault));
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
};

QTEST_APPLESS_MAIN(TestPersonalContent)
#include "test_personalcontent.moc"
