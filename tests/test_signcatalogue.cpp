#include "zodiac/Astrology.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>

using namespace zodiac;

class TestSignCatalogue : public QObject {
    Q_OBJECT
private slots:
    void exactSignNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isSign");
        QTest::addColumn<QString>("range");
        QTest::newRow("Aries") << "Aries" << true << "Mar 21 - Apr 19";
        QTest::newRow("Leo") << "Leo" << true << "Jul 23 - Aug 22";
        QTest::newRow("Capricorn spans the year end") << "Capricorn" << true << "Dec 22 - Jan 19";
        QTest::newRow("Pisces") << "Pisces" << true << "Feb 19 - Mar 20";
        QTest::newRow("small letters") << "aries" << false << "";
        QTest::newRow("capitals") << "ARIES" << false << "";
        QTest::newRow("blank after") << "Aries " << false << "";
        QTest::newRow("blank before") << " Leo" << false << "";
        QTest::newRow("abbreviation") << "Ari" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("gender word") << "He" << false << "";
    }
    void exactSignNames() {
        QFETCH(QString, text);
        QFETCH(bool, isSign);
        QFETCH(QString, range);
        QCOMPARE(IsSignName(text), isSign);
        QCOMPARE(BirthdayRange(text), range);
        QCOMPARE(signFromName(text).has_value(), isSign);
    }

    void genderWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isGender");
        QTest::newRow("He") << "He" << true;
        QTest::newRow("She") << "She" << true;
        QTest::newRow("small letters") << "she" << false;
        QTest::newRow("trailing blank") << "He " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("sign name") << "Leo" << false;
    }
    void genderWords() {
        QFETCH(QString, text);
        QFETCH(bool, isGender);
        QCOMPARE(IsGenderWord(text), isGender);
    }

    void listsInOrder() {
        const QStringList names = signNames();
        QCOMPARE(names.size(), SignCount);
        QCOMPARE(names.first(), QStringLiteral("Aries"));
        QCOMPARE(names.last(), QStringLiteral("Pisces"));
        QCOMPARE(zodiac::genderWords(), QStringList({"He", "She"}));
        for (int place = 0; place < SignCount; ++place) {
            const Sign sign = signAt(place);
            const QString name = names[place];
            QCOMPARE(signName(sign), name);
            QCOMPARE(SignAbbreviation(sign), name.left(3));
            QCOMPARE(BirthdayRange(name).size(), 15);
            QVERIFY(!name.contains(QLatin1Char(' ')));
        }
    }

    void qualitiesElementsAndPlanets_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("planets");
        QTest::newRow("Aries") << "Aries" << "Cardinal" << "Fire" << QStringList{"Mars"};
        QTest::newRow("Cancer") << "Cancer" << "Cardinal" << "Water" << QStringList{"Moon"};
        QTest::newRow("Scorpio") << "Scorpio" << "Fixed" << "Water" << QStringList{"Mars", "Pluto"};
        QTest::newRow("Sagittarius") << "Sagittarius" << "Mutable" << "Fire" << QStringList{"Jupiter"};
        QTest::newRow("Aquarius") << "Aquarius" << "Fixed" << "Air" << QStringList{"Uranus", "Saturn"};
        QTest::newRow("Pisces") << "Pisces" << "Mutable" << "Water" << QStringList{"Jupiter", "Neptune"};
    }
    void qualitiesElementsAndPlanets() {
        QFETCH(QString, sign);
        QFETCH(QString, quality);
        QFETCH(QString, element);
        QFETCH(QStringList, planets);
        const Sign s = *signFromName(sign);
        QCOMPARE(qualityName(SignQuality(s)), quality);
        QCOMPARE(elementName(SignElement(s)), element);
        QStringList names;
        for (Planet p : SignPlanets(s))
            names << planetName(p);
        QCOMPARE(names, planets);
    }
};

QTEST_APPLESS_MAIN(TestSignCatalogue)
#include "test_signcatalogue.moc"
