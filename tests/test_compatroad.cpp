// The compatibility road from the main menu to the five love topics and back, through the
// screens of the whole program.
#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "compat/LoveMatch.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "personal/PersonalContent.h"
#include "shell/ClickableLabel.h"
#include "shell/SvgPicture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace drive;

namespace {

QString partnerBox(const char* name) {
    return control<QComboBox>("frmMoreinfo", QString::fromLatin1(name))->currentText();
}

// "More on love" on the personal analysis.
void moreOnLove() { control<QRadioButton>("frmPersonal", "Option7")->click(); }

// The partner's details, then Enter; records the counts the progress screen shows until the
// hand-over (the first as it enters, then one a tick).
void proceedWith(const QString& gender, const QString& sign, QList<int>& shown) {
    shown.clear();
    QObject context;
    auto* percent = control<QLabel>("frmProcessing", "lblPercent");
    QObject::connect(&program().moreinfo(), &compat::frmMoreinfo::proceed, &context,
                     [&shown, percent] { shown << percent->text().toInt(); });
    QObject::connect(&program().processing(), &compat::frmProcessing::tick, &context, [&shown, percent] {
        if (visible("frmProcessing"))
            shown << percent->text().toInt();
    });
    typeInto(control<QComboBox>("frmMoreinfo", "cboGender"), gender);
    typeInto(control<QComboBox>("frmMoreinfo", "cboHoro"), sign);
    QTest::keyClick(control<QComboBox>("frmMoreinfo", "cboHoro"), Qt::Key_Return);
    QTRY_VERIFY(visible("frmLove"));
    QTest::qWait(30); // no tick after the hand-over
}

void checkPartnerScreenFresh() {
    QVERIFY(visible("frmMoreinfo"));
    QCOMPARE(partnerBox("cboGender"), QStringLiteral("He"));
    QCOMPARE(partnerBox("cboHoro"), QStringLiteral("Aries"));
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
        QVERIFY(reachMainMenu());
    }
    void cleanupTestCase() { freshWholeProgram(); }

    void theWholeRoadAndBack() {
        QList<int> shown;
        QVERIFY(chooseSign(QStringLiteral("Aries")));
        moreOnLove();
        checkPartnerScreenFresh();

        // Refused first: nothing moves.
        typeInto(control<QComboBox>("frmMoreinfo", "cboGender"), QStringLiteral("she"));
        control<QPushButton>("frmMoreinfo", "Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(visibleScreens(), QStringList{"frmMoreinfo"});

        proceedWith(QStringLiteral("She"), QStringLiteral("Aquarius"), shown);
        QCOMPARE(shown, progressCounts().mid(1)); // 0 as it enters, then 1 to 100
        QCOMPARE(visibleScreens(), QStringList{"frmLove"});
        QVERIFY(!program().processing().tmrPercent().isActive());
        QCOMPARE(program().activeScreen(), &screen("frmLove"));
        QCOMPARE(control<QLabel>("frmLove", "lblPartHoro")->text(), QStringLiteral("Aquarius ..."));
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(shownLoveTopics(), loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"), QStringLiteral("She")));

        // Main Menu, another sign, another partner: a second run from 0 and the new pair.
        QTest::mouseClick(control<shell::ClickableLabel>("frmLove", "Label10"), Qt::LeftButton);
        QCOMPARE(visibleScreens(), QStringList{"frmChoose"});
        QCOMPARE(control<QComboBox>("frmChoose", "cboHoro")->currentText(), QStringLiteral("Aries"));
        QVERIFY(chooseSign(QStringLiteral("Leo")));
        moreOnLove();
        checkPartnerScreenFresh();
        QCOMPARE(control<QLabel>("frmProcessing", "lblPercent")->text(), QStringLiteral("100")); // kept from the last run
        proceedWith(QStringLiteral("He"), QStringLiteral("Scorpio"), shown);
        QCOMPARE(shown, progressCounts().mid(1)); // 0 as it enters, then 1 to 100
        QCOMPARE(control<QLabel>("frmLove", "lblPartHoro")->text(), QStringLiteral("Scorpio ..."));
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(shownLoveTopics(), loveTopics(QStringLiteral("Leo"), QStringLiteral("Scorpio"), QStringLiteral("He")));

        // Personal Analysis, then the partner screen again: reset, and Esc goes back untouched.
        control<QPushButton>("frmLove", "Command6")->click();
        QVERIFY(visible("frmPersonal"));
        moreOnLove();
        checkPartnerScreenFresh();
        QVERIFY(QTest::qWaitForWindowActive(&screen("frmMoreinfo")));
        QTest::keyClick(control<QComboBox>("frmMoreinfo", "cboHoro"), Qt::Key_Escape);
        QTRY_VERIFY(visible("frmPersonal"));

        // A third run from the personal screen: the pair is the new one; then Exit by its label.
        moreOnLove();
        proceedWith(QStringLiteral("She"), QStringLiteral("Leo"), shown);
        QCOMPARE(shown, progressCounts().mid(1)); // 0 as it enters, then 1 to 100
        QCOMPARE(shownLoveTopics(), loveTopics(QStringLiteral("Leo"), QStringLiteral("Leo"), QStringLiteral("She")));
        QCOMPARE(ends(), 0);
        QVERIFY(recordedMusic().isPlaying());
        QTest::mouseClick(control<shell::ClickableLabel>("frmLove", "Label9"), Qt::LeftButton);
        QVERIFY(!recordedMusic().isPlaying());
        QCOMPARE(ends(), 1);
    }

    // The same road with the About box left open over the screens all the way, then closed over
    // the love screen.
    void withTheAboutBoxOpen() {
        QList<int> shown;
        QVERIFY(chooseSign(QStringLiteral("Virgo")));
        QVERIFY(QTest::qWaitForWindowActive(&screen("frmPersonal")));
        control<QPushButton>("frmPersonal", "Command8")->click();
        QVERIFY(visible("frmAbout"));

        auto* option = control<QRadioButton>("frmPersonal", "Option7");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(10, option->height() / 2));
        QVERIFY(!visible("frmPersonal"));
        checkPartnerScreenFresh(); // made and reset at once: still two and twelve entries
        QVERIFY(QTest::qWaitForWindowActive(&screen("frmMoreinfo")));
        proceedWith(QStringLiteral("She"), QStringLiteral("Pisces"), shown);
        QCOMPARE(shown, progressCounts().mid(1)); // 0 as it enters, then 1 to 100
        QVERIFY(visible("frmAbout"));

        const QString loveMatch = compat::BuildLoveMatchText(QStringLiteral("Virgo"), QStringLiteral("Pisces")).value();
        control<QRadioButton>("frmLove", "Option4")->click();
        program().showAbout();
        QVERIFY(QTest::qWaitForWindowActive(&screen("frmAbout")));
        QTest::mouseClick(control<QPushButton>("frmAbout", "cmdOK"), Qt::LeftButton);
        QVERIFY(!program().aboutIsOpen());
        QCOMPARE(program().activeScreen(), &screen("frmLove"));
        QVERIFY(control<QRadioButton>("frmLove", "Option1")->isChecked());
        QCOMPARE(paneText(screen("frmLove")), loveMatch);

        QTest::mouseClick(control<shell::ClickableLabel>("frmLove", "Label6"), Qt::LeftButton);
        QCOMPARE(visibleScreens(), QStringList{"frmPersonal"});
        QCOMPARE(program().activeScreen(), &screen("frmPersonal"));
        QVERIFY(control<QRadioButton>("frmPersonal", "Option1")->isChecked());
        QVERIFY(control<shell::SvgPicture>("frmPersonal", "Image6")->isVisible());
        QCOMPARE(paneText(screen("frmPersonal")), personal::BuildIntroductionText(QStringLiteral("Virgo")).value());
        QCOMPARE(ends(), 0);
    }
};

QTEST_MAIN(TestCompatRoad)
#include "test_compatroad.moc"
