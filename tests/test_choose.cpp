#include "ProgramDriver.h"
#include "shell/AppState.h"
#include "shell/MessageBox.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/Version.h"
#include "shell/frmChoose.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace shell;

namespace {
frmChoose& chooser() { return Screens::instance().get<frmChoose>(); }
template <class T> T* control(const char* name) { return drive::control<T>("frmChoose", name); }
QComboBox* combo() { return control<QComboBox>("cboHoro"); }
QString dateLabel() { return control<QLabel>("lblDate")->text(); }
bool personalVisible() { return drive::visible(QStringLiteral("frmPersonal")); }
void typeInto(const QString& text) { drive::typeInto(combo(), text); }

// The personal screen notes what Proceed had already done when it became active.
struct PersonalProbe : StandInScreen {
    PersonalProbe() : StandInScreen(QStringLiteral("frmPersonal")) {}
    void Form_Activate() override {
        StandInScreen::Form_Activate();
        signSeen = appState().UserSign;
        chooserWasVisible = chooser().isVisible();
        musicCallsSeen = programEndLog().musicStarts + programEndLog().musicStops;
    }
    QString signSeen;
    bool chooserWasVisible = true;
    int musicCallsSeen = -1;
};
PersonalProbe& personalProbe() {
    return static_cast<PersonalProbe&>(Screens::instance().get(QStringLiteral("frmPersonal")));
}
} // namespace

class TestChoose : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        Screens::instance().add<frmChoose>();
        Screens::instance().registerScreen(QStringLiteral("frmPersonal"),
                                           [] { return std::make_unique<PersonalProbe>(); });
        chooser().Show();
        QVERIFY(QTest::qWaitForWindowActive(chooser().window()));
    }
    void cleanupTestCase() { freshProgram(); setMessageSink({}); }

    void firstAppearance() {
        QCOMPARE(combo()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(combo()->count(), 12);
        QCOMPARE(combo()->itemText(11), QStringLiteral("Pisces"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QCOMPARE(control<QCheckBox>("chkMusic")->checkState(), Qt::Checked);
        QCOMPARE(QApplication::focusWidget(), combo());
        QCOMPARE(chooser().window()->windowTitle(), VersionCaption());
        QVERIFY(appState().MusicRestartPending);
        QVERIFY(!(chooser().window()->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void pickingShowsTheRangeTypingDoesNot() {
        combo()->setCurrentIndex(3); // Cancer, set quietly
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QTest::keyClick(combo(), Qt::Key_Down); // the user picks Leo with the arrow key
        QCOMPARE(combo()->currentText(), QStringLiteral("Leo"));
        QCOMPARE(dateLabel(), QStringLiteral("Jul 23 - Aug 22"));
        typeInto(QStringLiteral("Virgo"));
        QCOMPARE(dateLabel(), QStringLiteral("Jul 23 - Aug 22"));
        typeInto(QStringLiteral("Vi")); // no completion of a partly typed name
        QCOMPARE(combo()->currentText(), QStringLiteral("Vi"));
        QCOMPARE(combo()->count(), 12);
    }

    void anUnknownTextEmptiesTheLabelAtTheNextActivation() {
        typeInto(QStringLiteral("Ophiuchus"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        chooser().Hide();
        chooser().Show();
        QCOMPARE(dateLabel(), QString());
        QCOMPARE(combo()->currentText(), QStringLiteral("Ophiuchus"));
    }

    void invalidSignsAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("small letters") << "leo";
        QTest::newRow("capitals") << "LEO";
        QTest::newRow("blank before") << " Leo";
        QTest::newRow("blank after") << "Leo ";
        QTest::newRow("abbreviation") << "Sag";
        QTest::newRow("misspelt") << "Sagitarius";
    }
    void invalidSignsAreRefused() {
        QFETCH(QString, text);
        typeInto(text);
        control<QPushButton>("Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text,
                 QStringLiteral("Please select a sign before clicking the \"Proceed\" button."));
        QCOMPARE(messages()[0].title, QStringLiteral("Sorry . . ."));
        QCOMPARE(messages()[0].icon, MessageIcon::None);
        QVERIFY(chooser().isVisible());
        QVERIFY(!personalVisible());
        QCOMPARE(appState().UserSign, QString());
        QCOMPARE(combo()->currentText(), text);
        QCOMPARE(programEndLog().musicStarts + programEndLog().musicStops, 0);
        QVERIFY(appState().MusicRestartPending);
    }

    void enterPressesProceedWithATypedName() {
        typeInto(QStringLiteral("Leo"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QTest::keyClick(combo(), Qt::Key_Return);
        QTRY_VERIFY(personalVisible());
        QVERIFY(!chooser().isVisible());
        QCOMPARE(appState().UserSign, QStringLiteral("Leo"));
        QCOMPARE(programEndLog().musicStarts, 1);
        QCOMPARE(combo()->count(), 12);
        QVERIFY(messages().isEmpty());
    }

    void escapeDoesNothing() {
        QTest::keyClick(combo(), Qt::Key_Escape);
        QTest::qWait(200);
        QVERIFY(chooser().isVisible());
        QCOMPARE(programEndLog().ends, 0);
    }

    void musicFollowsTheBoxAfterProceed_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("stops");
        QTest::newRow("ticked starts") << true << 1 << 0;
        QTest::newRow("clear stops and arms") << false << 0 << 1;
    }
    void musicFollowsTheBoxAfterProceed() {
        QFETCH(bool, ticked);
        QFETCH(int, starts);
        QFETCH(int, stops);
        control<QCheckBox>("chkMusic")->setChecked(ticked);
        appState().MusicRestartPending = false;
        control<QPushButton>("Command1")->click();
        QCOMPARE(programEndLog().musicStarts, starts);
        QCOMPARE(programEndLog().musicStops, stops);
        QCOMPARE(appState().MusicRestartPending, !ticked);
    }

    // The sign is stored and the chooser hidden before the personal screen is shown; the music
    // is decided only after that.
    void proceedDecidesTheMusicLast_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("box ticked") << true;
        QTest::newRow("box clear") << false;
    }
    void proceedDecidesTheMusicLast() {
        QFETCH(bool, ticked);
        typeInto(QStringLiteral("Gemini"));
        control<QCheckBox>("chkMusic")->setChecked(ticked);
        control<QPushButton>("Command1")->click();
        QCOMPARE(personalProbe().signSeen, QStringLiteral("Gemini"));
        QVERIFY(!personalProbe().chooserWasVisible);
        QCOMPARE(personalProbe().musicCallsSeen, 0);
        QCOMPARE(programEndLog().musicStarts + programEndLog().musicStops, 1);
    }

    void mainMenuKeepsTheChooserAsLeft() {
        typeInto(QStringLiteral("Scorpio"));
        control<QCheckBox>("chkMusic")->setChecked(false);
        control<QPushButton>("Command1")->click();
        QVERIFY(personalVisible());
        // Main Menu on the personal screen: hide it, show the chooser.
        Screens::instance().get(QStringLiteral("frmPersonal")).Hide();
        chooser().Show();
        QCOMPARE(combo()->currentText(), QStringLiteral("Scorpio"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        QCOMPARE(control<QCheckBox>("chkMusic")->checkState(), Qt::Unchecked);
        QCOMPARE(combo()->count(), 12);
        QTRY_COMPARE(QApplication::focusWidget(), combo());
    }

    void accessKeys() {
        QTest::keyClick(chooser().window(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(control<QCheckBox>("chkMusic")->checkState(), Qt::Unchecked);
        control<QPushButton>("Command1")->setFocus();
        QTest::keyClick(chooser().window(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), combo());
        QTest::keyClick(chooser().window(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(personalVisible());
    }

    void exitAndClosingEndTheProgram_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("Exit button") << false;
        QTest::newRow("close box") << true;
    }
    void exitAndClosingEndTheProgram() {
        QFETCH(bool, byClosing);
        if (byClosing)
            chooser().window()->close();
        else
            control<QPushButton>("Command2")->click();
        QCOMPARE(programEndLog().musicShutdowns, 1);
        QCOMPARE(programEndLog().ends, 1);
    }
};

QTEST_MAIN(TestChoose)
#include "test_choose.moc"
