#include "ProgramDriver.h"
#include "personal/PersonalContent.h"
#include "personal/frmPersonal.h"
#include "shell/AppState.h"
#include "shell/ClickableLabel.h"
#include "shell/Fonts.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "shell/Version.h"
#include "shell/frmChoose.h"
#include "textlayout/FormatParagraph.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace shell;
using drive::screen;
using drive::visible;
using personal::frmPersonal;

namespace {

// The partner screen as far as this screen sees it: its Form_Load is the reset.
class PartnerStandIn : public StandInScreen {
public:
    PartnerStandIn() : StandInScreen(QStringLiteral("frmMoreinfo")) {}
    int loads = 0;
    void Form_Load() override { ++loads; }
};

frmPersonal& personalScreen() {
    return Screens::instance().get<frmPersonal>();
}
template <class T> T* control(const QString& name) { return drive::control<T>("frmPersonal", name); }
QRadioButton* option(int n) {
    return control<QRadioButton>(QStringLiteral("Option%1").arg(n));
}
TextPane* pane() {
    return control<TextPane>(QStringLiteral("txtContent"));
}
QString paneText() {
    return pane()->text();
}

QList<int> visibleBanners() {
    QList<int> shown;
    for (int n = 1; n <= 12; ++n) {
        if (control<SvgPicture>(QStringLiteral("Image%1").arg(n))->isVisible())
            shown << n;
    }
    return shown;
}

// The user picks a sign on the main menu and presses Proceed.
void proceedWith(const QString& sign) {
    auto& chooser = Screens::instance().get<frmChoose>();
    QVERIFY(chooser.isVisible());
    chooser.window()->findChild<QComboBox*>(QStringLiteral("cboHoro"))->setEditText(sign);
    chooser.window()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(personalScreen().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(personalScreen().window()));
}

void clickOption(int n) {
    QTest::mouseClick(option(n), Qt::LeftButton, {}, QPoint(10, option(n)->height() / 2));
}

} // namespace

class TestPersonal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init() {
        freshProgram();
        auto& screens = Screens::instance();
        screens.add<frmChoose>();
        screens.add<frmPersonal>();
        screens.registerScreen(QStringLiteral("frmMoreinfo"), [] { return std::make_unique<PartnerStandIn>(); });
        registerStandIns({"frmAbout"});
        screen("frmChoose").Show();
        QVERIFY(QTest::qWaitForWindowActive(screen("frmChoose").window()));
    }
    void cleanupTestCase() { freshProgram(); }

    void proceedWithLeo() {
        proceedWith(QStringLiteral("Leo"));
        QVERIFY(!visible("frmChoose"));
        QCOMPARE(visibleBanners(), QList<int>{5});
        QCOMPARE(paneText(), personal::BuildIntroductionText(QStringLiteral("Leo")).value());
        QVERIFY(option(1)->isChecked());
        QCOMPARE(QApplication::focusWidget(), option(1));
        QCOMPARE(personalScreen().window()->windowTitle(), VersionCaption());
        QVERIFY(!(personalScreen().window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(personalScreen().window()->size(), QSize(457, 385));
    }

    void topicsShowTheirTexts_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("expected");
        const QString s = QStringLiteral("Scorpio");
        QTest::newRow("house") << 2 << personal::BuildHouseText(s).value();
        QTest::newRow("quality") << 3 << personal::BuildQualityText(s).value();
        QTest::newRow("planet: Mars and Pluto") << 4 << personal::BuildPlanetText(s).value();
        QTest::newRow("element") << 5 << personal::BuildElementText(s).value();
        QTest::newRow("relationship") << 6 << personal::BuildRelationshipText();
        QTest::newRow("introduction again") << 1 << personal::BuildIntroductionText(s).value();
    }
    void topicsShowTheirTexts() {
        QFETCH(int, topic);
        QFETCH(QString, expected);
        proceedWith(QStringLiteral("Scorpio"));
        clickOption(topic == 1 ? 3 : 1);
        clickOption(topic);
        QVERIFY(option(topic)->isChecked());
        QCOMPARE(paneText(), expected);
        QCOMPARE(visibleBanners(), QList<int>{8});
    }

    void keyboardSelectsTopics() {
        proceedWith(QStringLiteral("Virgo"));
        QTest::keyClick(option(1), Qt::Key_Down);
        QVERIFY(option(2)->isChecked());
        QCOMPARE(paneText(), personal::BuildHouseText(QStringLiteral("Virgo")).value());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(option(4)->isChecked());
        QCOMPARE(paneText(), personal::BuildPlanetText(QStringLiteral("Virgo")).value());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(option(3)->isChecked());
        QCOMPARE(paneText(), personal::BuildQualityText(QStringLiteral("Virgo")).value());
    }

    // The Introduction goes into the pane twice per activation: once by the selection of its
    // topic, once at the end; the quiet selection adds no third. The pane fills its document
    // only for a text it does not already show, so here, coming back to the same sign, the
    // document changes once.
    void activationShowsTheIntroductionOnce() {
        proceedWith(QStringLiteral("Leo"));
        clickOption(5);
        int changes = 0;
        connect(pane(), &QPlainTextEdit::textChanged, this, [&changes] { ++changes; });
        screen("frmAbout").Show();
        personalScreen().Show();
        QCOMPARE(changes, 1);
        disconnect(pane(), nullptr, this, nullptr);
    }

    void returningFromAnotherWindowResets_data() {
        QTest::addColumn<bool>("byClosingAbout");
        QTest::newRow("clicking back") << false;
        QTest::newRow("About goes away") << true;
    }
    void returningFromAnotherWindowResets() {
        QFETCH(bool, byClosingAbout);
        proceedWith(QStringLiteral("Leo"));
        clickOption(3);
        QCOMPARE(paneText(), personal::BuildQualityText(QStringLiteral("Leo")).value());
        control<QPushButton>(QStringLiteral("Command8"))->click();
        QVERIFY(visible("frmAbout"));
        QVERIFY(visible("frmPersonal"));
        QVERIFY(option(3)->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(screen("frmAbout").window()));
        if (byClosingAbout)
            screen("frmAbout").Hide();
        else
            personalScreen().window()->activateWindow();
        QTRY_VERIFY(option(1)->isChecked());
        QCOMPARE(paneText(), personal::BuildIntroductionText(QStringLiteral("Leo")).value());
        QCOMPARE(visibleBanners(), QList<int>{5});
        QVERIFY(QTest::qWaitForWindowActive(personalScreen().window()));
        QCOMPARE(QApplication::focusWidget(), option(1));
    }

    void controlsLeadOn_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("personalStays");
        QTest::addColumn<QString>("nextScreen");
        QTest::addColumn<int>("ends");
        QTest::newRow("Main Menu button") << "Command10" << false << "frmChoose" << 0;
        QTest::newRow("Main Menu label") << "Label10" << false << "frmChoose" << 0;
        QTest::newRow("About button") << "Command8" << true << "frmAbout" << 0;
        QTest::newRow("About label") << "Label8" << true << "frmAbout" << 0;
        QTest::newRow("Exit button") << "Command9" << true << "" << 1;
        QTest::newRow("Exit label") << "Label9" << true << "" << 1;
    }
    void controlsLeadOn() {
        QFETCH(QString, control);
        QFETCH(bool, personalStays);
        QFETCH(QString, nextScreen);
        QFETCH(int, ends);
        proceedWith(QStringLiteral("Leo"));
        const int musicShutdownsBefore = programEndLog().musicShutdowns;
        QWidget* target = personalScreen().window()->findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(visible("frmPersonal"), personalStays);
        if (!nextScreen.isEmpty())
            QVERIFY(visible(nextScreen));
        QCOMPARE(programEndLog().ends, ends);
        QCOMPARE(programEndLog().musicShutdowns - musicShutdownsBefore, ends);
    }

    void closingTheWindowEndsTheProgram() {
        proceedWith(QStringLiteral("Leo"));
        personalScreen().window()->close();
        QCOMPARE(programEndLog().ends, 1);
        QCOMPARE(programEndLog().musicShutdowns, 1);
    }

    void anotherSignChangesTheTexts() {
        proceedWith(QStringLiteral("Leo"));
        clickOption(6);
        const QString relationship = paneText();
        control<QPushButton>(QStringLiteral("Command10"))->click();
        QVERIFY(QTest::qWaitForWindowActive(screen("frmChoose").window()));
        proceedWith(QStringLiteral("Aquarius"));
        QCOMPARE(visibleBanners(), QList<int>{11});
        QVERIFY(option(1)->isChecked());
        const QString sign = QStringLiteral("Aquarius");
        QCOMPARE(paneText(), personal::BuildIntroductionText(sign).value());
        const QString expected[] = {personal::BuildHouseText(sign).value(),
                                    personal::BuildQualityText(sign).value(),
                                    personal::BuildPlanetText(sign).value(),
                                    personal::BuildElementText(sign).value(), relationship};
        for (int topic = 2; topic <= 6; ++topic) {
            clickOption(topic);
            QCOMPARE(paneText(), expected[topic - 2]);
        }
    }

    void moreOnLoveLeadsToThePartnerScreen() {
        proceedWith(QStringLiteral("Pisces"));
        clickOption(7);
        auto& partner = static_cast<PartnerStandIn&>(screen("frmMoreinfo"));
        QVERIFY(!visible("frmPersonal"));
        QVERIFY(partner.isVisible());
        QVERIFY(partner.loads >= 1);
        const int loads = partner.loads;
        QCOMPARE(paneText(), personal::BuildIntroductionText(QStringLiteral("Pisces")).value());
        // The partner screen's Cancel brings the user back, on the Introduction.
        partner.Hide();
        personalScreen().Show();
        QVERIFY(option(1)->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(personalScreen().window()));
        clickOption(7);
        QCOMPARE(partner.loads, loads + 1); // reset on every visit
        QVERIFY(partner.isVisible());
    }

    void aNameOutsideTheTwelveKeepsTheTexts() {
        proceedWith(QStringLiteral("Leo"));
        const QString leo = paneText();
        control<QPushButton>(QStringLiteral("Command10"))->click();
        appState().UserSign = QStringLiteral("leo");
        personalScreen().Show();
        QCOMPARE(visibleBanners(), QList<int>{});
        QCOMPARE(paneText(), leo);
        clickOption(6);
        QCOMPARE(paneText(), personal::BuildRelationshipText());
    }

    // Every laid-out line has a row of its own and the 35 columns fit the pane.
    void paneShowsOneLineEachRow() {
        proceedWith(QStringLiteral("Gemini"));
        const QStringList rows = pane()->rows();
        const QString text = paneText();
        QVERIFY(rows.size() > 100);
        for (const QString& row : rows)
            QCOMPARE(row.size(), 35);
        QCOMPARE(rows.first(), text.left(35));
        QCOMPARE(rows[1], text.mid(36, 35));
        const QFontMetrics metrics(pane()->font());
        QVERIFY(metrics.horizontalAdvance(QString(35, QLatin1Char('W'))) <=
                pane()->viewport()->width() - 2 * pane()->document()->documentMargin());
        QCOMPARE(pane()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(pane()->verticalScrollBar()->maximum() > 0);
        QVERIFY(pane()->isReadOnly());
    }

    void captionsFitTheirControls() {
        proceedWith(QStringLiteral("Leo"));
        for (const char* name : {"Label8", "Label9", "Label10", "Option1", "Option2", "Option3",
                                 "Option4", "Option5", "Option6", "Option7"}) {
            const QWidget* widget = control<QWidget>(QString::fromLatin1(name));
            QVERIFY2(widget->sizeHint().width() <= widget->width(), name);
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void tabOrder() {
        proceedWith(QStringLiteral("Leo"));
        const QStringList chain{"txtContent", "cmdKeep", "Command10", "Command8", "Command9"};
        control<QWidget>(chain[0])->setFocus();
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain[i]);
        }
    }
};

QTEST_MAIN(TestPersonal)
#include "test_personal.moc"
