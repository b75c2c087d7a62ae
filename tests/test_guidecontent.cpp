// The dating and gift guides as data: every field of every sign, the lengths, the openings,
// the form of the lists and of the prose.

#include "ContentChecks.h"
#include "assets/ContentCatalogue.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>

using namespace zodiac;
using contentchecks::median;
using contentchecks::near;
using contentchecks::textFault;

namespace {

struct FieldBounds {
    const char* name;
    int shortest;
    int median;
    int longest;
    bool isList;
};

constexpr FieldBounds kFields[] = {
    {"Dos", 730, 816, 979, false},         {"Donts", 696, 832, 1060, false},
    {"DateInsight", 376, 499, 578, false}, {"DateIdeas", 294, 397, 470, true},
    {"GiftInsight", 633, 708, 942, false}, {"GiftIdeasHe", 267, 304, 366, true},
    {"GiftIdeasShe", 260, 302, 381, true},
};
constexpr int kLongestWord = 22;

// List items open in lower case; one that opens on a proper name belongs here. None of the
// present lists does.
const QStringList kProperNameStarts{};

const assets::ContentCatalogue& guides() {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/guides"));
}

QString field(Sign sign, const char* name) {
    return guides().entry(signName(sign) + QLatin1Char('.') + QLatin1String(name)).value_or(QString());
}

// The first fault of a list of ideas, or the empty string.
QString listFault(const QString& list) {
    if (list.endsWith(QLatin1Char('.')))
        return QStringLiteral("closing full stop");
    const QStringList items = list.split(QStringLiteral(", "));
    if (items.size() < 2)
        return QStringLiteral("not a comma-separated list");
    for (const QString& item : items) {
        if (item.isEmpty() || item.contains(QLatin1Char(',')))
            return QStringLiteral("badly separated item near \"%1\"").arg(item);
        const bool properName = std::any_of(
            kProperNameStarts.cbegin(), kProperNameStarts.cend(),
            [&item](const QString& start) { return item.startsWith(start); });
        if (!item[0].isLower() && !item[0].isDigit() && !properName)
            return QStringLiteral("item \"%1\" opens in capitals").arg(item);
    }
    return {};
}

} // namespace

class TestGuideContent : public QObject {
    Q_OBJECT
private slots:
    void catalogueHoldsExactlyTheGuides() {
        QVERIFY2(guides().faults().isEmpty(), qPrintable(guides().faults().join(u'\n')));
        QSet<QString> expected;
        for (const SignInfo& sign : allSigns()) {
            for (const FieldBounds& f : kFields)
                expected << QLatin1String(sign.name) + QLatin1Char('.') + QLatin1String(f.name);
        }
        for (auto it = guides().entries().cbegin(); it != guides().entries().cend(); ++it)
            QVERIFY2(expected.contains(it.key()), qPrintable(QStringLiteral("unexpected key ") + it.key()));
        for (const QString& key : expected)
            QVERIFY2(guides().entry(key).has_value(), qPrintable(QStringLiteral("missing ") + key));
    }

    void guideForm_data() {
        QTest::addColumn<int>("place");
        for (const SignInfo& s : allSigns())
            QTest::newRow(s.name) << placeOf(s.sign);
    }
    void guideForm() {
        QFETCH(int, place);
        const Sign sign = signAt(place);
        for (const FieldBounds& f : kFields) {
            const QString text = field(sign, f.name);
            const QString where = signName(sign) + QLatin1Char('.') + QLatin1String(f.name);
            const QString fault = textFault(text, kLongestWord);
            QVERIFY2(fault.isEmpty(), qPrintable(where + QStringLiteral(": ") + fault));
            QVERIFY2(text.size() >= f.shortest && text.size() <= f.longest,
                     qPrintable(QStringLiteral("%1 is %2 characters").arg(where).arg(text.size())));
            if (f.isList) {
                const QString listProblem = listFault(text);
                QVERIFY2(listProblem.isEmpty(), qPrintable(where + QStringLiteral(": ") + listProblem));
            }
        }
        QVERIFY(field(sign, "Dos").startsWith(QLatin1String("Do's - ")));
        QVERIFY(field(sign, "Donts").startsWith(QLatin1String("Don'ts - ")));
        QVERIFY2(field(sign, "GiftIdeasHe") != field(sign, "GiftIdeasShe"),
                 "the two gift lists are the same");
    }

    void medianLengths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        for (const FieldBounds& f : kFields)
            QTest::newRow(f.name) << QString::fromLatin1(f.name) << f.median;
    }
    void medianLengths() {
        QFETCH(QString, name);
        QFETCH(int, expected);
        QList<int> lengths;
        for (const SignInfo& s : allSigns())
            lengths << int(field(s.sign, qPrintable(name)).size());
        const double m = median(lengths);
        QVERIFY2(near(m, expected), qPrintable(QStringLiteral("median %1").arg(m)));
    }

    // The list checker itself: a list that breaks the form must be caught.
    void listFormFaults_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("sound");
        QTest::newRow("sound") << "a picnic, 2 tickets to a play, dinner in Paris" << true;
        QTest::newRow("full stop") << "a picnic, a play." << false;
        QTest::newRow("capital item") << "a picnic, A play" << false;
        QTest::newRow("comma without space") << "a picnic,a play, a walk" << false;
        QTest::newRow("empty item") << "a picnic, , a walk" << false;
        QTest::newRow("one item") << "a picnic" << false;
    }
    void listFormFaults() {
        QFETCH(QString, list);
        QFETCH(bool, sound);
        QCOMPARE(listFault(list).isEmpty(), sound);
    }
};

QTEST_GUILESS_MAIN(TestGuideContent)
#include "test_guidecontent.moc"
