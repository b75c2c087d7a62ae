// The partner details on their own: the sentence the controls read as, what picking and typing
// do, what is refused and what Proceed and Cancel say; and, through the whole program, the
// screen starting afresh on every entry.
#include "ProgramDriver.h"
#include "compat/frmMoreinfo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
std::unique_ptr<compat::frmMoreinfo> own; // the screen on its own
compat::frmMoreinfo* partner;             // the screen under test: that one or the program's
template <class T = QWidget> T* control(const char* name) {
    T* found = partner->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
QComboBox* gender() { return control<QComboBox>("cboGender"); }
QComboBox* sign() { return control<QComboBox>("cboHoro"); }
QString dateLabel() { return control<QLabel>("lblDate")->text(); }
} // namespace

class TestMoreinfo : public QObject {
    Q_OBJECT
private slots:
    void init() {
        recordMessages();
        own = std::make_unique<compat::frmMoreinfo>();
        partner = own.get();
        partner->show();
        partner->refresh();
        QVERIFY(QTest::qWaitForWindowActive(partner));
    }
    void cleanup() { own.reset(); }
    void cleanupTestCase() { drive::freshWholeProgram(); } // no window outlives the application

    void firstAppearance() {
        QCOMPARE(gender()->count(), 2);
        QCOMPARE(gender()->currentText(), QStringLiteral("He"));
        QCOMPARE(sign()->count(), 12);
        QCOMPARE(sign()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        // The frame reads as a sentence: gender, "is a ", sign, birthday range.
        const auto left = [](const char* name) { return control(name)->geometry().left(); };
        QVERIFY(left("cboGender") < left("Label2"));
        QVERIFY(left("Label2") < left("cboHoro"));
        QVERIFY(left("cboHoro") < left("lblDate"));
    }

    // Picking a sign shows its range; a gender pick, typing or an activation moves nothing else.
    void pickingASignShowsItsRangeTypingDoesNot() {
        sign()->setFocus();
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(sign(), Qt::Key_Down);
        QCOMPARE(sign()->currentText(), QStringLiteral("Scorpio"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        QTest::keyClick(gender(), Qt::Key_Down);
        QCOMPARE(gender()->currentText(), QStringLiteral("She"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        drive::typeInto(sign(), QStringLiteral("Leo"));
        QCOMPARE(dateLabel(), QStringLiteral("Oct 23 - Nov 21"));
        drive::typeInto(sign(), QStringLiteral("Sag")); // no completion of a partly typed name
        QCOMPARE(sign()->currentText(), QStringLiteral("Sag"));
        QCOMPARE(sign()->count(), 12);
        partner->refresh();
        QCOMPARE(partner->focusWidget(), sign());
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
        QSignalSpy proceed(partner, &compat::frmMoreinfo::proceed);
        drive::typeInto(gender(), genderText);
        drive::typeInto(sign(), signText);
        control<QPushButton>("Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text,
                 QStringLiteral("Please input correct data before clicking the \"Proceed\" button."));
        QCOMPARE(messages()[0].title, QStringLiteral("Sorry . . ."));
        QCOMPARE(messages()[0].icon, shell::MessageIcon::None);
        QCOMPARE(proceed.count(), 0);
        QCOMPARE(gender()->currentText(), genderText);
        QCOMPARE(sign()->currentText(), signText);
    }

    // Proceed (its button or Alt+P) says the partner; Cancel (its button or Alt+C) only goes back.
    void proceedAndCancel_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("genderText");
        QTest::addColumn<QString>("signText");
        QTest::addColumn<bool>("proceeds");
        QTest::newRow("Proceed: She, Scorpio") << "Command1" << "She" << "Scorpio" << true;
        QTest::newRow("Proceed: He, the user's own sign") << "Command1" << "He" << "Leo" << true;
        QTest::newRow("Alt+P: as reset") << "P" << "" << "" << true;
        QTest::newRow("Cancel") << "Command2" << "He" << "Taurus" << false;
        QTest::newRow("Alt+C") << "C" << "She" << "Libra" << false;
    }
    void proceedAndCancel() {
        QFETCH(QString, how);
        QFETCH(QString, genderText);
        QFETCH(QString, signText);
        QFETCH(bool, proceeds);
        QSignalSpy proceed(partner, &compat::frmMoreinfo::proceed);
        QSignalSpy cancelled(partner, &compat::frmMoreinfo::cancelled);
        if (!genderText.isEmpty()) {
            drive::typeInto(gender(), genderText);
            drive::typeInto(sign(), signText);
        }
        if (how.size() == 1) {
            QTest::keyClick(partner, static_cast<Qt::Key>(how[0].unicode()), Qt::AltModifier);
            QVERIFY((proceeds ? proceed : cancelled).wait(1000));
        } else {
            control<QPushButton>(qPrintable(how))->click();
        }
        QCOMPARE(proceed.count(), proceeds ? 1 : 0);
        QCOMPARE(cancelled.count(), proceeds ? 0 : 1);
        if (proceeds) {
            const QVariantList said{genderText.isEmpty() ? QStringLiteral("He") : genderText,
                                    signText.isEmpty() ? QStringLiteral("Aries") : signText};
            QCOMPARE(proceed[0], said);
        }
        QVERIFY(messages().isEmpty());
    }

    // Through the program: whatever was left on the screen, every entry from the personal
    // analysis starts on "He", "Aries" and Aries's range.
    void everyEntryStartsAfresh() {
        drive::programWithRecordedMusic();
        QVERIFY(drive::reachMainMenu());
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        auto* moreOnLove = drive::control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"));
        moreOnLove->click();
        own.reset();
        partner = &drive::program().moreinfo();
        for (int i = 0; i < 11; ++i) // the user picks Pisces
            QTest::keyClick(sign(), Qt::Key_Down);
        drive::typeInto(gender(), QStringLiteral("She"));
        QCOMPARE(dateLabel(), QStringLiteral("Feb 19 - Mar 20"));
        control<QPushButton>("Command2")->click();
        QVERIFY(drive::visible(QStringLiteral("frmPersonal")));
        moreOnLove->click();
        QVERIFY(partner->isVisible());
        QCOMPARE(gender()->currentText(), QStringLiteral("He"));
        QCOMPARE(sign()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QCOMPARE(gender()->count(), 2);
        QCOMPARE(sign()->count(), 12);
    }
};

QTEST_MAIN(TestMoreinfo)
#include "test_moreinfo.moc"
