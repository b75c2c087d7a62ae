// The compatibility road from the main menu to the five love topics and back, through the
// screens of the whole program.
#include "ProgramDriver.h"
#include "compat/LoveMatch.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "personal/PersonalContent.h"
#include "shell/ClickableLabel.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "shell/frmChoose.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace compat;
using namespace drive;
using namespace shell;

namespace {

frmChoose& chooser() { return Screens::instance().get<frmChoose>(); }
frmMoreinfo& partner() { return Screens::instance().get<frmMoreinfo>(); }
frmProcessing& processing() { return Screens::instance().get<frmProcessing>(); }
frmLove& love() { return Screens::instance().get<frmLove>(); }
Screen& personalScreen() { return screen(QStringLiteral("frmPersonal")); }

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
    typeInto(control<QComboBox>("frmMoreinfo", "cboGender"), gender);
    typeInto(control<QComboBox>("frmMoreinfo", "cboHoro"), sign);
    QTest::keyClick(control<QComboBox>("frmMoreinfo", "cboHoro"), Qt::Key_Return);
    QTRY_VERIFY(Screens::instance().existing(QStringLiteral("frmLove")) && love().isVisible());
    QTest::qWait(30); // no tick after the hand-over
}

void checkPartnerScreenFresh() {
    QCOMPARE(control<QComboBox>("frmMoreinfo", "cboGender")->currentText(), QStringLiteral("He"));
    QCOMPARE(control<QComboBox>("frmMoreinfo", "cboHoro")->currentText(), QStringLiteral("Aries"));
    QCOMPARE(control<QLabel>("frmMoreinfo", "lblDate")->text(), QStringLiteral("Mar 21 - Apr 19"));
    QCOMPARE(control<QComboBox>("frmMoreinfo", "cboGender")->count(), 2);
    QCOMPARE(control<QComboBox>("frmMoreinfo", "cboHoro")->count(), 12);
}

} // namespace

class TestCompatRoad : public QObject {
    Q_OBJECT
private slots:
    void init() { // the whole program, with the music recorded rather than played
        programWithRecordedMusic();
        chooser().Show();
    }
    void cleanupTestCase() { freshProgram(); setMessageSink({}); }

    void theWholeRoadAndBack() {
        QList<int> shown;
        QVERIFY(chooseSign(QStringLiteral("Aries")));
        moreOnLove();
        checkPartnerScreenFresh();

        // Refused first: nothing moves.
        typeInto(control<QComboBox>("frmMoreinfo", "cboGender"), QStringLiteral("she"));
        control<QPushButton>("frmMoreinfo", "Command1")->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(partner().isVisible());
        QVERIFY(!Screens::instance().existing(QStringLiteral("frmProcessing")));

        proceedWith(QStringLiteral("She"), QStringLiteral("Aquarius"), shown);
        QCOMPARE(shown, progressCounts());
        QVERIFY(!partner().isVisible());
        QVERIFY(!processing().isVisible());
        QVERIFY(!processing().tmrPercent().isActive());
        QCOMPARE(appState().ProgressCount, qint16(101));
        QCOMPARE(Screens::instance().activeScreen(), &love());
        QCOMPARE(control<QLabel>("frmLove", "lblPartHoro")->text(), QStringLiteral("Aquarius ..."));
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(shownLoveTopics(),
                 loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She")));

        // Main Menu, another sign, another partner: a second run from 0 and the new pair.
        QTest::mouseClick(control<ClickableLabel>("frmLove", "Label10"), Qt::LeftButton);
        QVERIFY(chooser().isVisible());
        QVERIFY(!love().isVisible());
        QCOMPARE(control<QComboBox>("frmChoose", "cboHoro")->currentText(), QStringLiteral("Aries"));
        QVERIFY(chooseSign(QStringLiteral("Leo")));
        moreOnLove();
        checkPartnerScreenFresh();
        QCOMPARE(processing().percentLabel(), QStringLiteral("100")); // as the last run left it
        proceedWith(QStringLiteral("He"), QStringLiteral("Scorpio"), shown);
        QCOMPARE(shown, progressCounts());
        QCOMPARE(control<QLabel>("frmLove", "lblPartHoro")->text(), QStringLiteral("Scorpio ..."));
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(shownLoveTopics(),
                 loveTopics(QStringLiteral("Leo"), QStringLiteral("Scorpio"), QStringLiteral("He")));

        // Personal Analysis, then the partner screen again: reset, and Esc goes back untouched.
        control<QPushButton>("frmLove", "Command6")->click();
        QVERIFY(personalScreen().isVisible());
        moreOnLove();
        checkPartnerScreenFresh();
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
        QTest::keyClick(control<QComboBox>("frmMoreinfo", "cboHoro"), Qt::Key_Escape);
        QTRY_VERIFY(personalScreen().isVisible());
        QCOMPARE(appState().PartnerSign, QStringLiteral("Scorpio"));
        QCOMPARE(appState().PartnerGender, QStringLiteral("He"));

        // A third run from the personal screen, then Exit by its label.
        moreOnLove();
        proceedWith(QStringLiteral("She"), QStringLiteral("Leo"), shown);
        QCOMPARE(shown, progressCounts());
        QCOMPARE(shownLoveTopics(),
                 loveTopics(QStringLiteral("Leo"), QStringLiteral("Leo"), QStringLiteral("She")));
        QCOMPARE(programEndLog().ends, 0);
        QTest::mouseClick(control<ClickableLabel>("frmLove", "Label9"), Qt::LeftButton);
        QCOMPARE(programEndLog().musicShutdowns, 1);
        QCOMPARE(programEndLog().ends, 1);
    }

    // The same road with the About box left open over the screens all the way, then closed over
    // the love screen.
    void withTheAboutBoxOpen() {
        auto& screens = Screens::instance();
        QList<int> shown;
        QVERIFY(chooseSign(QStringLiteral("Virgo")));
        QVERIFY(QTest::qWaitForWindowActive(personalScreen().window()));
        control<QPushButton>("frmPersonal", "Command8")->click();
        Screen& about = screens.get(QStringLiteral("frmAbout"));
        QVERIFY(about.isVisible());

        auto* moreOnLove = control<QRadioButton>("frmPersonal", "Option7");
        QTest::mouseClick(moreOnLove, Qt::LeftButton, {}, QPoint(10, moreOnLove->height() / 2));
        QVERIFY(!personalScreen().isVisible());
        QVERIFY(partner().isVisible());
        checkPartnerScreenFresh(); // loaded and reset at once: still two and twelve entries
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
        proceedWith(QStringLiteral("She"), QStringLiteral("Pisces"), shown);
        QCOMPARE(shown, progressCounts());
        QVERIFY(about.isVisible());

        const QString loveMatch = *BuildLoveMatchText(QStringLiteral("Virgo"), QStringLiteral("Pisces"));
        control<QRadioButton>("frmLove", "Option4")->click();
        screens.get(QStringLiteral("frmAbout")).Show();
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        QTest::mouseClick(control<QPushButton>("frmAbout", "cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isLoaded());
        QCOMPARE(screens.activeScreen(), &love());
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(control<TextPane>("frmLove", "txtContent")->text(), loveMatch);

        QTest::mouseClick(control<ClickableLabel>("frmLove", "Label6"), Qt::LeftButton);
        QVERIFY(!love().isVisible());
        QCOMPARE(screens.activeScreen(), &personalScreen());
        QVERIFY(control<QRadioButton>("frmPersonal", "Option1")->isChecked());
        QVERIFY(control<SvgPicture>("frmPersonal", "Image6")->isVisible());
        QCOMPARE(control<TextPane>("frmPersonal", "txtContent")->text(),
                 personal::BuildIntroductionText(QStringLiteral("Virgo")).value());
        QCOMPARE(programEndLog().ends, 0);
    }
};

QTEST_MAIN(TestCompatRoad)
#include "test_compatroad.moc"
