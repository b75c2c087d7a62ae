// The love analysis on its own: the couple it is handed as a headline and five topic texts, Love
// Match first each time, topics by mouse and keys, texts kept for values never let through, and
// what its navigation says; and, through the whole program, the couple the road hands it.
#include "ProgramDriver.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "compat/frmLove.h"
#include "compat/frmProcessing.h"
#include "shell/ClickableLabel.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using drive::loveTopics;

namespace {
compat::frmLove* love;
QRadioButton* option(int n) {
    auto* found = love->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
    if (!found)
        qFatal("no Option%d", n);
    return found;
}
QString pane() { return drive::paneText(*love); }
QString headline(const QWidget& window) { return window.findChild<QLabel*>(QStringLiteral("lblPartHoro"))->text(); }
QStringList shownTopics() {
    QStringList texts;
    for (int n = 1; n <= 5; ++n) {
        option(n)->click();
        texts << pane();
    }
    return texts;
}
bool allBuilt(const QStringList& texts) { return texts.size() == 5 && !texts.contains(QString()); }
} // namespace

class TestLove : public QObject {
    Q_OBJECT
private slots:
    void init() {
        love = new compat::frmLove;
        love->show();
        love->showCouple(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She"));
        QVERIFY(QTest::qWaitForWindowActive(love));
    }
    void cleanup() { delete love; }
    void cleanupTestCase() { drive::freshWholeProgram(); } // no window outlives the application

    void firstShowing() {
        QVERIFY(option(1)->isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), option(1));
        const std::optional<QString> match = compat::BuildLoveMatchText(QStringLiteral("Aries"), QStringLiteral("Aquarius"));
        QVERIFY(match.has_value());
        QCOMPARE(pane(), *match);
        QCOMPARE(headline(*love), QStringLiteral("Aquarius ..."));
        for (const QWidget* pointer : love->findChildren<shell::ClickableLabel*>())
            QCOMPARE(pointer->cursor().shape(), Qt::PointingHandCursor);
        for (const QWidget* pointer : love->findChildren<QRadioButton*>())
            QCOMPARE(pointer->cursor().shape(), Qt::PointingHandCursor);
    }

    void topicsByTheirKeys_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("key");
        QTest::newRow("Love Match") << 1 << int(Qt::Key_L);
        QTest::newRow("Do's and Dont's") << 2 << int(Qt::Key_D);
        QTest::newRow("Date Guide") << 3 << int(Qt::Key_T);
        QTest::newRow("Gift Guide") << 4 << int(Qt::Key_G);
        QTest::newRow("Love Ratings") << 5 << int(Qt::Key_R);
    }
    void topicsByTheirKeys() {
        QFETCH(int, n);
        QFETCH(int, key);
        const QStringList built = loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She"));
        QVERIFY(allBuilt(built));
        if (n == 1)
            option(5)->click();
        QTest::keyClick(love, Qt::Key(key), Qt::AltModifier); // clicks a moment later
        QVERIFY(drive::spinUntil([n] { return option(n)->isChecked(); }, 1000));
        QCOMPARE(pane(), built[n - 1]);
        for (int other = 1; other <= 5; ++other)
            QCOMPARE(option(other)->isChecked(), other == n);
    }

    void arrowKeysWalkTheTopics() {
        option(1)->setFocus();
        QTest::keyClick(option(1), Qt::Key_Down);
        QTRY_VERIFY(option(2)->isChecked());
        QCOMPARE(pane(), loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She"))[1]);
    }

    void everyShowingRebuildsEveryText() {
        option(4)->click();
        love->showCouple(QStringLiteral("Capricorn"), QStringLiteral("Leo"), QStringLiteral("He"));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(headline(*love), QStringLiteral("Leo ..."));
        const QStringList built = loveTopics(QStringLiteral("Capricorn"), QStringLiteral("Leo"), QStringLiteral("He"));
        QVERIFY(allBuilt(built));
        QCOMPARE(pane(), built[0]);
        QCOMPARE(shownTopics(), built);
    }

    // Values the other screens never let through: the topics keyed by them keep their texts.
    void invalidValuesKeepWhatWasBuilt_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<QString>("gender");
        QTest::addColumn<QString>("rebuilt"); // per topic: n new pair, k kept
        QTest::newRow("user sign in small letters") << "leo" << "Taurus" << "He" << "knnnn";
        QTest::newRow("partner sign in small letters") << "Leo" << "taurus" << "He" << "kkkkn";
        QTest::newRow("partner sign with a blank") << "Leo" << "Taurus " << "He" << "kkkkn";
        QTest::newRow("gender in small letters") << "Leo" << "Taurus" << "he" << "nnnkn";
        QTest::newRow("no gender") << "Leo" << "Taurus" << "" << "nnnkn";
    }
    void invalidValuesKeepWhatWasBuilt() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(QString, gender);
        QFETCH(QString, rebuilt);
        const QStringList before = loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She"));
        const QStringList after = loveTopics(QStringLiteral("Leo"), QStringLiteral("Taurus"), QStringLiteral("He"));
        QVERIFY(allBuilt(before) && allBuilt(after));
        love->showCouple(user, partner, gender);
        QCOMPARE(headline(*love), partner + QStringLiteral(" ..."));
        const QStringList shown = shownTopics();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(shown[i], rebuilt[i] == QLatin1Char('n') ? after[i] : before[i]);
    }

    void nothingBuiltYetLeavesEmptyTexts() {
        delete love;
        love = new compat::frmLove;
        love->show();
        love->showCouple(QStringLiteral("Aries"), QStringLiteral("Ophiuchus"), QStringLiteral("She"));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(shownTopics(), (QStringList{{}, {}, {}, {}, compat::BuildLoveRatingsText()}));
    }

    // A click on a navigation label is a click on its button.
    void navigation_data() {
        addNavigationRows({{6, SIGNAL(personalAnalysis())}, {10, SIGNAL(mainMenu())}, {8, SIGNAL(about())},
                           {9, SIGNAL(exitRequested())}});
    }
    void navigation() {
        QFETCH(QString, control);
        QFETCH(QByteArray, signal);
        clickSaysOnly(*love, control, signal,
                      {SIGNAL(personalAnalysis()), SIGNAL(mainMenu()), SIGNAL(about()), SIGNAL(exitRequested())});
    }

    // Through the program: the love analysis shows the user's sign and the partner as entered,
    // and a new partner on the next road.
    void theRoadHandsItTheCouple() {
        drive::programWithRecordedMusic();
        QVERIFY(drive::reachMainMenu());
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        drive::program().processing().tmrPercent().setInterval(0); // the count is test_processing's
        QVERIFY(drive::choosePartner(QStringLiteral("She"), QStringLiteral("Scorpio")));
        const QWidget& shown = drive::program().love();
        QCOMPARE(headline(shown), QStringLiteral("Scorpio ..."));
        QStringList built = loveTopics(QStringLiteral("Leo"), QStringLiteral("Scorpio"), QStringLiteral("She"));
        QVERIFY(allBuilt(built));
        QCOMPARE(drive::shownLoveTopics(), built);

        drive::control<QPushButton>(QStringLiteral("frmLove"), QStringLiteral("Command6"))->click();
        QVERIFY(drive::choosePartner(QStringLiteral("He"), QStringLiteral("Taurus")));
        QCOMPARE(headline(shown), QStringLiteral("Taurus ..."));
        built = loveTopics(QStringLiteral("Leo"), QStringLiteral("Taurus"), QStringLiteral("He"));
        QVERIFY(allBuilt(built));
        QCOMPARE(drive::shownLoveTopics(), built);
    }
};

QTEST_MAIN(TestLove)
#include "test_love.moc"
