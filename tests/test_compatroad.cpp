// The compatibility road from the main menu to the five love topics and back, with the real
// chooser, partner, progress and love screens.
#include "ScreenTestSupport.h"
#include "about/frmAbout.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "personal/PersonalContent.h"
#include "personal/frmPersonal.h"
#include "shell/AppState.h"
#include "shell/ClickableLabel.h"
#include "shell/MessageBox.h"
#include "shell/ScreenWindow.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "shell/frmChoose.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace shell;
using namespace compat;

namespace {

template <class T>
T* find(Screen& screen, const char* name) {
    return screen.window()->findChild<T*>(QString::fromLatin1(name));
}
frmChoose& chooser() { return Screens::instance().get<frmChoose>(); }
frmMoreinfo& partner() { return Screens::instance().get<frmMoreinfo>(); }
frmProcessing& processing() { return Screens::instance().get<frmProcessing>(); }
frmLove& love() { return Screens::instance().get<frmLove>(); }
Screen& personalScreen() { return Screens::instance().get(QStringLiteral("frmPersonal")); }

void typeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

// Main menu: the user's sign, then Enter.
void chooseSign(const QString& sign) {
    QVERIFY(QTest::qWaitForWindowActive(chooser().window()));
    typeInto(find<QComboBox>(chooser(), "cboHoro"), sign);
    QTest::keyClick(find<QComboBox>(chooser(), "cboHoro"), Qt::Key_Return);
    QTRY_VERIFY(personalScreen().isVisible());
}

// "More on love" on the personal analysis.
void moreOnLove() {
    personalScreen().Hide();
    partner().Form_Load();
    partner().Show();
}

// The partner's details, then Enter; records what the progress screen shows until the hand-over.
void proceedWith(const QString& gender, const QString& sign, QList<int>& shown) {
    shown.clear();
    QObject context;
    QObject::connect(&processing(), &frmProcessing::percentShown, &context,
                     [&shown](int count) { shown << count; });
    typeInto(find<QComboBox>(partner(), "cboGender"), gender);
    typeInto(find<QComboBox>(partner(), "cboHoro"), sign);
    QTest::keyClick(find<QComboBox>(partner(), "cboHoro"), Qt::Key_Return);
    QTRY_VERIFY(Screens::instance().existing(QStringLiteral("frmLove")) && love().isVisible());
    QTest::qWait(30); // no tick after the hand-over
}

QList<int> oneEntry() {
    QList<int> list{0};
    for (int i = 0; i <= 100; ++i)
        list << i;
    return list;
}

QStringList topicsOf(const QString& user, const QString& partnerSign, const QString& gender) {
    return {*BuildLoveMatchText(user, partnerSign), *BuildDosAndDontsText(partnerSign),
            *BuildDateGuideText(partnerSign), *BuildGiftGuideText(partnerSign, gender),
            BuildLoveRatingsText()};
}

QStringList shownTopics() {
    QStringList texts;
    for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
        find<QRadioButton>(love(), name)->click();
        texts << find<TextPane>(love(), "txtContent")->text();
    }
    return texts;
}

void checkPartnerScreenFresh() {
    QCOMPARE(find<QComboBox>(partner(), "cboGender")->currentText(), QStringLiteral("He"));
    QCOMPARE(find<QComboBox>(partner(), "cboHoro")->currentText(), QStringLiteral("Aries"));
    QCOMPARE(find<QLabel>(partner(), "lblDate")->text(), QStringLiteral("Mac 21 - Apr 19"));
    QCOMPARE(find<QComboBox>(partner(), "cboGender")->count(), 2);
    QCOMPARE(find<QComboBox>(partner(), "cboHoro")->count(), 12);
}

} // namespace

class TestCompatRoad : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        auto& screens = Screens::instance();
        screens.registerScreen(QStringLiteral("frmChoose"), [] { return std::make_unique<frmChoose>(); });
        screens.registerScreen(QStringLiteral("frmMoreinfo"), [] { return std::make_unique<frmMoreinfo>(); });
        screens.registerScreen(QStringLiteral("frmProcessing"), [] { return std::make_unique<frmProcessing>(); });
        screens.registerScreen(QStringLiteral("frmLove"), [] { return std::make_unique<frmLove>(); });
        for (const char* name : {"frmPersonal", "frmAbout"}) {
            const QString n = QString::fromLatin1(name);
            screens.registerScreen(n, [n] { return std::make_unique<StandInScreen>(n); });
        }
        chooser().Show();
    }
    void cleanupTestCase() {
        freshProgram();
        setMessageSink({});
    }

    void theWholeRoadAndBack() {
        QList<int> shown;
        chooseSign(QStringLiteral("Aries"));
        moreOnLove();
        checkPartnerScreenFresh();

        // Refused first: nothing moves.
        typeInto(find<QComboBox>(partner(), "cboGender"), QStringLiteral("she"));
        find<QPushButton>(partner(), "Command1")->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(partner().isVisible());
        QVERIFY(!Screens::instance().existing(QStringLiteral("frmProcessing")));

        proceedWith(QStringLiteral("She"), QStringLiteral("Aquarius"), shown);
        QCOMPARE(shown, oneEntry());
        QVERIFY(!partner().isVisible());
        QVERIFY(!processing().isVisible());
        QVERIFY(!processing().tmrPercent().isActive());
        QCOMPARE(appState().ProgressCount, qint16(101));
        QCOMPARE(Screens::instance().activeScreen(), &love());
        QCOMPARE(find<QLabel>(love(), "lblPartHoro")->text(), QStringLiteral("Aquarius ..."));
        QVERIFY(find<QRadioButton>(love(), "Option1")->isChecked());
        QCOMPARE(shownTopics(),
                 topicsOf(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She")));

        // Main Menu, another sign, another partner: a second run from 0 and the new pair.
        QTest::mouseClick(find<ClickableLabel>(love(), "Label10"), Qt::LeftButton);
        QVERIFY(chooser().isVisible());
        QVERIFY(!love().isVisible());
        QCOMPARE(find<QComboBox>(chooser(), "cboHoro")->currentText(), QStringLiteral("Aries"));
        chooseSign(QStringLiteral("Leo"));
        moreOnLove();
        checkPartnerScreenFresh();
        QCOMPARE(processing().percentLabel(), QStringLiteral("100")); // as the last run left it
        proceedWith(QStringLiteral("He"), QStringLiteral("Scorpio"), shown);
        QCOMPARE(shown, oneEntry());
        QCOMPARE(find<QLabel>(love(), "lblPartHoro")->text(), QStringLiteral("Scorpio ..."));
        QVERIFY(find<QRadioButton>(love(), "Option1")->isChecked());
        QCOMPARE(shownTopics(),
                 topicsOf(QStringLiteral("Leo"), QStringLiteral("Scorpio"), QStringLiteral("He")));

        // Personal Analysis, then the partner screen again: reset, and Esc goes back untouched.
        find<QPushButton>(love(), "Command6")->click();
        QVERIFY(personalScreen().isVisible());
        moreOnLove();
        checkPartnerScreenFresh();
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
        QTest::keyClick(find<QComboBox>(partner(), "cboHoro"), Qt::Key_Escape);
        QTRY_VERIFY(personalScreen().isVisible());
        QCOMPARE(appState().PartnerSign, QStringLiteral("Scorpio"));
        QCOMPARE(appState().PartnerGender, QStringLiteral("He"));

        // A third run from the personal screen, then Exit by its label.
        moreOnLove();
        proceedWith(QStringLiteral("She"), QStringLiteral("Leo"), shown);
        QCOMPARE(shown, oneEntry());
        QCOMPARE(shownTopics(),
                 topicsOf(QStringLiteral("Leo"), QStringLiteral("Leo"), QStringLiteral("She")));
        QCOMPARE(programEndLog().ends, 0);
        QTest::mouseClick(find<ClickableLabel>(love(), "Label9"), Qt::LeftButton);
        QCOMPARE(programEndLog().musicShutdowns, 1);
        QCOMPARE(programEndLog().ends, 1);
    }

    // The same road between the real personal analysis and About screens: the About box left
    // open over them all the way, then closed over the love screen.
    void betweenTheRealAnalysisScreens() {
        auto& screens = Screens::instance();
        screens.registerScreen(QStringLiteral("frmPersonal"),
                               [] { return std::make_unique<personal::frmPersonal>(); });
        screens.registerScreen(QStringLiteral("frmAbout"),
                               [] { return std::make_unique<about::frmAbout>(); });
        QList<int> shown;
        chooseSign(QStringLiteral("Virgo"));
        QVERIFY(QTest::qWaitForWindowActive(personalScreen().window()));
        find<QPushButton>(personalScreen(), "Command8")->click();
        Screen& about = screens.get(QStringLiteral("frmAbout"));
        QVERIFY(about.isVisible());

        auto* moreOnLove = find<QRadioButton>(personalScreen(), "Option7");
        QTest::mouseClick(moreOnLove, Qt::LeftButton, {}, QPoint(10, moreOnLove->height() / 2));
        QVERIFY(!personalScreen().isVisible());
        QVERIFY(partner().isVisible());
        checkPartnerScreenFresh(); // loaded and reset at once: still two and twelve entries
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
        proceedWith(QStringLiteral("She"), QStringLiteral("Pisces"), shown);
        QCOMPARE(shown, oneEntry());
        QVERIFY(about.isVisible());

        const QString loveMatch = *BuildLoveMatchText(QStringLiteral("Virgo"), QStringLiteral("Pisces"));
        find<QRadioButton>(love(), "Option4")->click();
        screens.get(QStringLiteral("frmAbout")).Show();
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        QTest::mouseClick(find<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isLoaded());
        QCOMPARE(screens.activeScreen(), &love());
        QVERIFY(find<QRadioButton>(love(), "Option1")->isChecked());
        QCOMPARE(find<TextPane>(love(), "txtContent")->text(), loveMatch);

        QTest::mouseClick(find<ClickableLabel>(love(), "Label6"), Qt::LeftButton);
        QVERIFY(!love().isVisible());
        QCOMPARE(screens.activeScreen(), &personalScreen());
        QVERIFY(find<QRadioButton>(personalScreen(), "Option1")->isChecked());
        QVERIFY(find<SvgPicture>(personalScreen(), "Image6")->isVisible());
        QCOMPARE(find<TextPane>(personalScreen(), "txtContent")->text(),
                 personal::BuildIntroductionText(QStringLiteral("Virgo")).value());
        QCOMPARE(programEndLog().ends, 0);
    }
};

QTEST_MAIN(TestCompatRoad)
#include "test_compatroad.moc"
