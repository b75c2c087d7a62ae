// The love match readings as data: every pair present with its sections, the lengths, the
// form of the prose and the astrological facts each section must name.

#include "ContentChecks.h"
#include "assets/ContentCatalogue.h"
#include "zodiac/Astrology.h"
#include "zodiac/SignCatalogue.h"

#include <QRegularExpression>
#include <QtTest>

using namespace zodiac;
using contentchecks::median;
using contentchecks::near;
using contentchecks::textFault;

namespace {

struct SectionBounds {
    const char* name;
    int shortest;
    int median;
    int longest;
};

// In the order the sections are shown.
constexpr SectionBounds kSections[] = {
    {"Intro", 357, 490, 906},    {"Dynamics", 339, 554, 824},  {"Planets", 308, 538, 945},
    {"Elements", 123, 564, 815}, {"Qualities", 297, 506, 926}, {"BestAspect", 213, 326, 493},
};
constexpr int kShortestReading = 2374;
constexpr int kMedianReading = 2970;
constexpr int kLongestReading = 3660;
constexpr int kLongestWord = 23;

const assets::ContentCatalogue& readings() {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/lovematch"));
}

QString pairKey(int earlier, int later) {
    return signName(signAt(earlier)) + QLatin1Char('+') + signName(signAt(later));
}

// The two readings written without a Dynamics section.
bool hasDynamics(int earlier, int later) {
    const int taurus = placeOf(Sign::Taurus);
    return !(earlier == taurus &&
             (later == placeOf(Sign::Capricorn) || later == placeOf(Sign::Pisces)));
}

QStringList sectionsOf(int earlier, int later) {
    QStringList names;
    for (const SectionBounds& s : kSections) {
        if (QLatin1String(s.name) != QLatin1String("Dynamics") || hasDynamics(earlier, later))
            names << QString::fromLatin1(s.name);
    }
    return names;
}

QString section(int earlier, int later, const char* name) {
    return readings().entry(pairKey(earlier, later) + QLatin1Char('.') + QLatin1String(name))
        .value_or(QString());
}

// Where a name first appears as (the start of) a word: "Geminis" counts for Gemini.
qsizetype firstMention(const QString& text, const QString& name) {
    const QRegularExpression word(QStringLiteral("\\b") + name);
    const auto match = word.match(text);
    return match.hasMatch() ? match.capturedStart() : -1;
}

bool namesWord(const QString& text, const QString& word) {
    return text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word)));
}

void addPairRows() {
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("later");
    for (int a = 0; a < SignCount; ++a) {
        for (int b = a; b < SignCount; ++b)
            QTest::newRow(qPrintable(pairKey(a, b))) << a << b;
    }
}

} // namespace

class TestLoveMatchContent : public QObject {
    Q_OBJECT
private slots:
    // Every line of the files reads as an entry, and every entry belongs to a pair and a
    // section the program shows: a misspelt key would otherwise vanish silently.
    void catalogueHoldsExactlyTheReadings() {
        QVERIFY2(readings().faults().isEmpty(), qPrintable(readings().faults().join(u'\n')));
        QSet<QString> expected;
        for (int a = 0; a < SignCount; ++a) {
            for (int b = a; b < SignCount; ++b) {
                for (const QString& name : sectionsOf(a, b))
                    expected << pairKey(a, b) + QLatin1Char('.') + name;
            }
        }
        QCOMPARE(expected.size(), 78 * 6 - 2);
        for (auto it = readings().entries().cbegin(); it != readings().entries().cend(); ++it)
            QVERIFY2(expected.contains(it.key()), qPrintable(QStringLiteral("unexpected key ") + it.key()));
        for (const QString& key : expected)
            QVERIFY2(readings().entry(key).has_value(), qPrintable(QStringLiteral("missing ") + key));
    }

    void readingForm_data() { addPairRows(); }
    void readingForm() {
        QFETCH(int, earlier);
        QFETCH(int, later);
        const QString pair = pairKey(earlier, later);
        QCOMPARE(section(earlier, later, "Dynamics").isEmpty(), !hasDynamics(earlier, later));
        int whole = 0;
        for (const SectionBounds& s : kSections) {
            const bool present = QLatin1String(s.name) != QLatin1String("Dynamics") ||
                                 hasDynamics(earlier, later);
            const QString text = section(earlier, later, s.name);
            if (!present)
                continue;
            const QString where = pair + QLatin1Char('.') + QLatin1String(s.name);
            const QString fault = textFault(text, kLongestWord);
            QVERIFY2(fault.isEmpty(), qPrintable(where + QStringLiteral(": ") + fault));
            QVERIFY2(text.size() >= s.shortest && text.size() <= s.longest,
                     qPrintable(QStringLiteral("%1 is %2 characters").arg(where).arg(text.size())));
            whole += int(text.size());
        }
        QVERIFY2(whole >= kShortestReading && whole <= kLongestReading,
                 qPrintable(QStringLiteral("%1 is %2 characters").arg(pair).arg(whole)));
    }

    void readingFacts_data() { addPairRows(); }
    void readingFacts() {
        QFETCH(int, earlier);
        QFETCH(int, later);
        const Sign first = signAt(earlier);
        const Sign second = signAt(later);

        const QString intro = section(earlier, later, "Intro");
        if (first == second) {
            QVERIFY2(firstMention(intro, signName(first)) >= 0, "the sign is not named");
            QVERIFY2(intro.contains(QRegularExpression(QStringLiteral("\\b[Tt]wo\\b"))),
                     "the couple is not spoken of as two of a sign");
        } else {
            const qsizetype a = firstMention(intro, signName(first));
            const qsizetype b = firstMention(intro, signName(second));
            QVERIFY2(a >= 0 && b >= 0, "the Intro does not name both signs");
            QVERIFY2(a < b, "the Intro names the later sign first");
        }

        const QString planets = section(earlier, later, "Planets");
        for (Sign sign : {first, second}) {
            for (Planet planet : SignPlanets(sign))
                QVERIFY2(namesWord(planets, planetName(planet)),
                         qPrintable(planetName(planet) + QStringLiteral(" missing from Planets")));
        }
        const QString elements = section(earlier, later, "Elements");
        const QString qualities = section(earlier, later, "Qualities");
        for (Sign sign : {first, second}) {
            QVERIFY2(namesWord(elements, elementName(SignElement(sign))),
                     qPrintable(elementName(SignElement(sign)) + QStringLiteral(" missing from Elements")));
            QVERIFY2(namesWord(qualities, qualityName(SignQuality(sign))),
                     qPrintable(qualityName(SignQuality(sign)) + QStringLiteral(" missing from Qualities")));
        }

        // The partner may be of either gender: the readings speak of the couple.
        static const QRegularExpression gendered(
            QStringLiteral("\\b(he|she|him|her|his|hers|himself|herself)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (const SectionBounds& s : kSections) {
            const auto match = gendered.match(section(earlier, later, s.name));
            QVERIFY2(!match.hasMatch(),
                     qPrintable(QLatin1String(s.name) + QStringLiteral(" says \"") + match.captured() + QLatin1Char('"')));
        }
    }

    void medianLengths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        for (const SectionBounds& s : kSections)
            QTest::newRow(s.name) << QString::fromLatin1(s.name) << s.median;
        QTest::newRow("whole reading") << QString() << kMedianReading;
    }
    void medianLengths() {
        QFETCH(QString, name);
        QFETCH(int, expected);
        QList<int> lengths;
        for (int a = 0; a < SignCount; ++a) {
            for (int b = a; b < SignCount; ++b) {
                int length = 0;
                for (const SectionBounds& s : kSections) {
                    if (name.isEmpty() || name == QLatin1String(s.name))
                        length += int(section(a, b, s.name).size());
                }
                if (length > 0)
                    lengths << length;
            }
        }
        const double m = median(lengths);
        QVERIFY2(near(m, expected), qPrintable(QStringLiteral("median %1").arg(m)));
    }
};

QTEST_GUILESS_MAIN(TestLoveMatchContent)
#include "test_lovematchcontent.moc"
