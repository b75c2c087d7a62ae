// The personal analysis on its own: the banner and six topic texts of the sign it is handed, the
// Introduction first each time, topics chosen by mouse and keys, and what its navigation says.
// When it is handed the sign is test_program's.
#include "ProgramDriver.h"
#include "personal/PersonalContent.h"
#include "personal/frmPersonal.h"
#include "shell/ClickableLabel.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"

#include <QRadioButton>
#include <QtTest>

namespace {
personal::frmPersonal* window;
QRadioButton* option(int n) {
    auto* found = window->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
    if (!found)
        qFatal("no Option%d", n);
    return found;
}
QString paneText() { return drive::paneText(*window); }
void clickOption(int n) { QTest::mouseClick(option(n), Qt::LeftButton, {}, QPoint(10, option(n)->height() / 2)); }

QList<int> visibleBanners() {
    QList<int> shown;
    for (int n = 1; n <= 12; ++n) {
        if (window->findChild<shell::SvgPicture*>(QStringLiteral("Image%1").arg(n))->isVisible())
            shown << n;
    }
    return shown;
}

// The five texts the builders give for a sign, Introduction first, then the grid.
QStringList builtTopics(const QString& sign) {
    using namespace personal;
    QStringList texts;
    for (const auto build : {BuildIntroductionText, BuildHouseText, BuildQualityText, BuildPlanetText, BuildElementText}) {
        const std::optional<QString> text = build(sign);
        texts << text.value_or(QStringLiteral("<nothing built>"));
    }
    return texts << BuildRelationshipText();
}
} // namespace

class TestPersonal : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window = new personal::frmPersonal;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { delete window; }

    // Every showing starts on the Introduction with the focus on it, whichever topic was read;
    // coming back to the same sign fills the pane once. Labels and topics show a pointing hand.
    void aReadingStartsOnTheIntroduction() {
        window->showReading(QStringLiteral("Leo"));
        QCOMPARE(visibleBanners(), QList<int>{5});
        QCOMPARE(paneText(), builtTopics(QStringLiteral("Leo"))[0]);
        QVERIFY(option(1)->isChecked());
        QCOMPARE(QApplication::focusWidget(), option(1));
        for (const QWidget* pointer : window->findChildren<shell::ClickableLabel*>())
            QCOMPARE(pointer->cursor().shape(), Qt::PointingHandCursor);
        for (const QWidget* pointer : window->findChildren<QRadioButton*>())
            QCOMPARE(pointer->cursor().shape(), Qt::PointingHandCursor);
        clickOption(3);
        auto* pane = window->findChild<shell::TextPane*>(QStringLiteral("txtContent"));
        QSignalSpy changes(pane, &QPlainTextEdit::textChanged);
        window->showReading(QStringLiteral("Leo"));
        QCOMPARE(changes.count(), 1);
        QVERIFY(option(1)->isChecked());
        QCOMPARE(QApplication::focusWidget(), option(1));
        QCOMPARE(paneText(), builtTopics(QStringLiteral("Leo"))[0]);
    }

    void topicsShowTheirTexts_data() {
        QTest::addColumn<int>("topic");
        QTest::newRow("house") << 2;
        QTest::newRow("quality") << 3;
        QTest::newRow("planet: Mars and Pluto") << 4;
        QTest::newRow("element") << 5;
        QTest::newRow("relationship") << 6;
        QTest::newRow("introduction again") << 1;
    }
    void topicsShowTheirTexts() {
        QFETCH(int, topic);
        window->showReading(QStringLiteral("Scorpio"));
        clickOption(topic == 1 ? 3 : 1);
        clickOption(topic);
        QVERIFY(option(topic)->isChecked());
        QCOMPARE(paneText(), builtTopics(QStringLiteral("Scorpio"))[topic - 1]);
        QCOMPARE(visibleBanners(), QList<int>{8});
    }

    void keyboardSelectsTopics() {
        window->showReading(QStringLiteral("Virgo"));
        const QStringList texts = builtTopics(QStringLiteral("Virgo"));
        QTest::keyClick(option(1), Qt::Key_Down);
        QVERIFY(option(2)->isChecked());
        QCOMPARE(paneText(), texts[1]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(drive::spinUntil([] { return option(4)->isChecked(); }, 1000)); // clicks a moment later
        QCOMPARE(paneText(), texts[3]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(option(3)->isChecked());
        QCOMPARE(paneText(), texts[2]);
    }

    void anotherSignChangesEveryText() {
        window->showReading(QStringLiteral("Leo"));
        clickOption(4);
        window->showReading(QStringLiteral("Aquarius"));
        QCOMPARE(visibleBanners(), QList<int>{11});
        const QStringList texts = builtTopics(QStringLiteral("Aquarius"));
        for (int topic = 1; topic <= 6; ++topic) {
            clickOption(topic);
            QCOMPARE(paneText(), texts[topic - 1]);
        }
    }

    // A name the chooser never lets through keeps the texts built before, and shows no banner.
    void aNameOutsideTheTwelveKeepsTheTexts() {
        window->showReading(QStringLiteral("Leo"));
        window->showReading(QStringLiteral("leo"));
        QCOMPARE(visibleBanners(), QList<int>{});
        QCOMPARE(paneText(), builtTopics(QStringLiteral("Leo"))[0]);
        clickOption(6);
        QCOMPARE(paneText(), personal::BuildRelationshipText());
    }

    // "More on love" says so each time it is chosen: after a new showing it can be chosen again.
    void moreOnLoveEveryTime() {
        QSignalSpy moreOnLove(window, &personal::frmPersonal::moreOnLove);
        window->showReading(QStringLiteral("Pisces"));
        clickOption(7);
        QCOMPARE(moreOnLove.count(), 1);
        QCOMPARE(paneText(), builtTopics(QStringLiteral("Pisces"))[0]);
        window->showReading(QStringLiteral("Pisces"));
        QVERIFY(option(1)->isChecked());
        clickOption(7);
        QCOMPARE(moreOnLove.count(), 2);
    }

    // A click on a navigation label is a click on its button.
    void navigation_data() {
        addNavigationRows({{10, SIGNAL(mainMenu())}, {8, SIGNAL(about())}, {9, SIGNAL(exitRequested())}});
    }
    void navigation() {
        QFETCH(QString, control);
        QFETCH(QByteArray, signal);
        window->showReading(QStringLiteral("Leo"));
        clickSaysOnly(*window, control, signal,
                      {SIGNAL(mainMenu()), SIGNAL(about()), SIGNAL(exitRequested()), SIGNAL(moreOnLove())});
    }
};

QTEST_MAIN(TestPersonal)
#include "test_personal.moc"
