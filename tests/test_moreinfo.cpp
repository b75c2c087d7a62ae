#include "ProgramDriver.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "shell/AppState.h"
#include "shell/MessageBox.h"
#include "shell/ScreenWindow.h"
#include "shell/Version.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace shell;
using compat::frmMoreinfo;
using compat::frmProcessing;
using drive::typeInto;
using drive::visible;

namespace {

frmMoreinfo& partner() { return Screens::instance().get<frmMoreinfo>(); }
template <class T> T* control(const char* name) { return drive::control<T>("frmMoreinfo", name); }
QComboBox* gender() { return control<QComboBox>("cboGender"); }
QComboBox* sign() { return control<QComboBox>("cboHoro"); }
QString dateLabel() { return control<QLabel>("lblDate")->text(); }
// The entry from the personal analysis: hide it, reset this screen, show it.
void enterFromThePersonalScreen() {
    Screens::instance().get(QStringLiteral("frmPersonal")).Hide();
    partner().Form_Load();
    partner().Show();
}

} // namespace

class TestMoreinfo : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        appState().UserSign = QStringLiteral("Leo");
        auto& screens = Screens::instance();
        screens.add<frmMoreinfo>();
        screens.add<frmProcessing>();
        registerStandIns({"frmPersonal", "frmLove"});
        screens.get(QStringLiteral("frmPersonal")).Show();
        enterFromThePersonalScreen();
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
    }
    void cleanupTestCase() { freshProgram(); setMessageSink({}); }

    void firstEntry() {
        QCOMPARE(gender()->count(), 2); // loaded and reset: still two and twelve entries
        QCOMPARE(gender()->itemText(1), QStringLiteral("She"));
        QCOMPARE(gender()->currentText(), QStringLiteral("He"));
        QCOMPARE(sign()->count(), 12);
        QCOMPARE(sign()->itemText(0), QStringLiteral("Aries"));
        QCOMPARE(sign()->itemText(11), QStringLiteral("Pisces"));
        QCOMPARE(sign()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QCOMPARE(partner().window()->windowTitle(), VersionCaption());
        QVERIFY(!visible("frmPersonal"));
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>("Command1"));
        QVERIFY(!(partner().window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        // The frame reads as a sentence: gender, "is a ", sign, birthday range.
        const auto left = [](const char* name) { return control<QWidget>(name)->geometry().left(); };
        QVERIFY(left("cboGender") < left("Label2"));
        QVERIFY(left("Label2") < left("cboHoro"));
        QVERIFY(left("cboHoro") < left("lblDate"));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("is a "));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("Information about your partner"));
    }

    void everyEntryStartsAfresh() {
        for (int i = 0; i < 11; ++i) // the user picks Pisces
            QTest::keyClick(sign(), Qt::Key_Down);
        typeInto(gender(), QStringLiteral("She"));
        QCOMPARE(dateLabel(), QStringLiteral("Feb 19 - Mar 20"));
        control<QPushButton>("Command2")->click();
        enterFromThePersonalScreen();
        QCOMPARE(gender()->currentText(), QStringLiteral("He"));
        QCOMPARE(sign()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QCOMPARE(gender()->count(), 2);
        QCOMPARE(sign()->count(), 12);
    }

    void activationKeepsTheFocus() {
        sign()->setFocus();
        Screens::instance().get(QStringLiteral("frmPersonal")).Show();
        partner().Show();
        QCOMPARE(partner().window()->focusWidget(), sign());
    }

    void pickingASignShowsItsRangeTypingDoesNot() {
        sign()->setFocus();
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(sign(), Qt::Key_Down);
        QCOMPARE(sign()->currentText(), QStringLiteral("Scorpio"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        QTest::keyClick(gender(), Qt::Key_Down); // a gender pick changes nothing else
        QCOMPARE(gender()->currentText(), QStringLiteral("She"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        typeInto(sign(), QStringLiteral("Leo"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        typeInto(sign(), QStringLiteral("Sag")); // no completion of a partly typed name
        QCOMPARE(sign()->currentText(), QStringLiteral("Sag"));
        QCOMPARE(sign()->count(), 12);
    }

    void invalidDataIsRefused_data() {
        QTest::addColumn<QString>("genderText");
        QTest::addColumn<QString>("signText");
        QTest::newRow("gender in small letters") << "she" << "Scorpio";
        QTest::newRow("gender in capitals") << "HE" << "Scorpio";
        QTest::newRow("gender with a blank") << "She " << "Scorpio";
        QTest::newRow("no gender") << "" << "Scorpio";
        QTest::newRow("another word") << "It" << "Scorpio";
        QTest::newRow("sign in small letters") << "She" << "scorpio";
        QTest::newRow("sign with a blank before") << "She" << " Scorpio";
        QTest::newRow("sign with a blank after") << "He" << "Scorpio ";
        QTest::newRow("no sign") << "She" << "";
        QTest::newRow("abbreviation") << "He" << "Sco";
        QTest::newRow("both wrong") << "he" << "aries";
    }
    void invalidDataIsRefused() {
        QFETCH(QString, genderText);
        QFETCH(QString, signText);
        appState().PartnerGender = QStringLiteral("He");
        appState().PartnerSign = QStringLiteral("Virgo");
        appState().ProgressCount = 7;
        typeInto(gender(), genderText);
        typeInto(sign(), signText);
        control<QPushButton>("Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text,
                 QStringLiteral("Please input correct data before clicking the \"Proceed\" button."));
        QCOMPARE(messages()[0].title, QStringLiteral("Sorry . . ."));
        QCOMPARE(messages()[0].icon, MessageIcon::None);
        QVERIFY(partner().isVisible());
        QCOMPARE(Screens::instance().activeScreen(), &partner());
        QVERIFY(!Screens::instance().existing(QStringLiteral("frmProcessing")));
        QCOMPARE(appState().PartnerGender, QStringLiteral("He"));
        QCOMPARE(appState().PartnerSign, QStringLiteral("Virgo"));
        QCOMPARE(appState().ProgressCount, qint16(7));
        QCOMPARE(gender()->currentText(), genderText);
        QCOMPARE(sign()->currentText(), signText);
    }

    void proceedStoresAndCountsFromZero_data() {
        QTest::addColumn<QString>("genderText");
        QTest::addColumn<QString>("signText");
        QTest::newRow("She, Scorpio") << "She" << "Scorpio";
        QTest::newRow("He, the user's own sign") << "He" << "Leo";
    }
    void proceedStoresAndCountsFromZero() {
        QFETCH(QString, genderText);
        QFETCH(QString, signText);
        typeInto(gender(), genderText);
        typeInto(sign(), signText);
        auto& processing = Screens::instance().get<frmProcessing>();
        QList<int> counts;
        connect(&processing, &frmProcessing::percentShown, this, [&counts](int c) { counts << c; });
        control<QPushButton>("Command1")->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(appState().PartnerGender, genderText);
        QCOMPARE(appState().PartnerSign, signText);
        QVERIFY(!partner().isVisible());
        QVERIFY(processing.isVisible());
        QCOMPARE(counts, (QList<int>{0, 0})); // the activation's tick, then the Proceed's own
        QCOMPARE(appState().ProgressCount, qint16(1));
        QVERIFY(processing.tmrPercent().isActive());
        QTRY_VERIFY(visible("frmLove"));
        QCOMPARE(counts.size(), 102);
        QCOMPARE(counts.last(), 100);
        QVERIFY(!processing.isVisible());
    }

    void enterProceedsFromAComboBox() {
        typeInto(gender(), QStringLiteral("She"));
        typeInto(sign(), QStringLiteral("Gemini"));
        QTest::keyClick(sign(), Qt::Key_Return);
        QTRY_VERIFY(visible("frmProcessing") || visible("frmLove"));
        QCOMPARE(appState().PartnerSign, QStringLiteral("Gemini"));
        QCOMPARE(appState().PartnerGender, QStringLiteral("She"));
    }

    void cancelGoesBackUntouched_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc key") << true;
    }
    void cancelGoesBackUntouched() {
        QFETCH(bool, byEscape);
        appState().PartnerGender = QStringLiteral("She");
        appState().PartnerSign = QStringLiteral("Libra");
        const AppState before = appState();
        typeInto(gender(), QStringLiteral("He"));
        typeInto(sign(), QStringLiteral("Taurus"));
        if (byEscape)
            QTest::keyClick(sign(), Qt::Key_Escape);
        else
            control<QPushButton>("Command2")->click();
        QTRY_VERIFY(visible("frmPersonal"));
        QVERIFY(!partner().isVisible());
        QCOMPARE(appState().PartnerGender, before.PartnerGender);
        QCOMPARE(appState().PartnerSign, before.PartnerSign);
        QCOMPARE(appState().ProgressCount, before.ProgressCount);
        QVERIFY(messages().isEmpty());
    }

    void accessKeys() {
        QTest::keyClick(partner().window(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(visible("frmPersonal"));
        enterFromThePersonalScreen();
        QVERIFY(QTest::qWaitForWindowActive(partner().window()));
        QTest::keyClick(partner().window(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(visible("frmProcessing") || visible("frmLove"));
        QCOMPARE(appState().PartnerSign, QStringLiteral("Aries"));
        QCOMPARE(appState().PartnerGender, QStringLiteral("He"));
    }

    void tabOrder() {
        const QStringList chain{"Command1", "Command2", "cboHoro", "cboGender", "Command1"};
        control<QWidget>("Command1")->setFocus();
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain[i]);
        }
    }

    void closingEndsTheProgram() {
        partner().window()->close();
        QCOMPARE(programEndLog().musicShutdowns, 1);
        QCOMPARE(programEndLog().ends, 1);
    }
};

QTEST_MAIN(TestMoreinfo)
#include "test_moreinfo.moc"
