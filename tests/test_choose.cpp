// The sign chooser on its own: what it shows, what picking and typing do, what it refuses and
// what its Proceed says; and, through the whole program, that Proceed stores the sign and shows
// the personal analysis before the music is decided.
#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "personal/frmPersonal.h"
#include "shell/frmChoose.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
shell::frmChoose* chooser;
template <class T> T* control(const char* name) {
    T* found = chooser->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
QComboBox* combo() { return control<QComboBox>("cboHoro"); }
QString dateLabel() { return control<QLabel>("lblDate")->text(); }
} // namespace

class TestChoose : public QObject {
    Q_OBJECT
private slots:
    void init() {
        recordMessages();
        chooser = new shell::frmChoose;
        chooser->show();
        chooser->refresh();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
    }
    void cleanup() { delete chooser; }
    void cleanupTestCase() { drive::freshWholeProgram(); } // no window outlives the application

    void firstAppearance() {
        QCOMPARE(combo()->currentText(), QStringLiteral("Aries"));
        QCOMPARE(combo()->count(), 12);
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QVERIFY(chooser->musicBoxTicked());
        QCOMPARE(QApplication::focusWidget(), combo());
    }

    void pickingShowsTheRangeTypingDoesNot() {
        combo()->setCurrentIndex(3); // Cancer, set quietly
        QCOMPARE(dateLabel(), QStringLiteral("Mar 21 - Apr 19"));
        QTest::keyClick(combo(), Qt::Key_Down); // the user picks Leo with the arrow key
        QCOMPARE(combo()->currentText(), QStringLiteral("Leo"));
        QCOMPARE(dateLabel(), QStringLiteral("Jul 23 - Aug 22"));
        drive::typeInto(combo(), QStringLiteral("Virgo"));
        QCOMPARE(dateLabel(), QStringLiteral("Jul 23 - Aug 22"));
        drive::typeInto(combo(), QStringLiteral("Vi")); // no completion of a partly typed name
        QCOMPARE(combo()->currentText(), QStringLiteral("Vi"));
        QCOMPARE(combo()->count(), 12);
    }

    // Each activation shows the range of what the box holds and keeps what the user set.
    void refreshShowsTheRangeOfTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("range");
        QTest::newRow("a sign") << "Scorpio" << "Oct 23 - Nov 21";
        QTest::newRow("no sign: no range") << "Ophiuchus" << "";
    }
    void refreshShowsTheRangeOfTheBox() {
        QFETCH(QString, typed);
        QFETCH(QString, range);
        drive::typeInto(combo(), typed);
        control<QCheckBox>("chkMusic")->setChecked(false);
        control<QPushButton>("Command1")->setFocus();
        chooser->refresh();
        QCOMPARE(dateLabel(), range);
        QCOMPARE(combo()->currentText(), typed);
        QCOMPARE(combo()->count(), 12);
        QVERIFY(!chooser->musicBoxTicked());
        QCOMPARE(QApplication::focusWidget(), combo());
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
        QSignalSpy proceed(chooser, &shell::frmChoose::proceed);
        drive::typeInto(combo(), text);
        control<QPushButton>("Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text, QStringLiteral("Please select a sign before clicking the \"Proceed\" button."));
        QCOMPARE(messages()[0].title, QStringLiteral("Sorry . . ."));
        QCOMPARE(messages()[0].icon, shell::MessageIcon::None);
        QCOMPARE(proceed.count(), 0);
        QCOMPARE(combo()->currentText(), text);
    }

    // Enter in the box and the access keys: Alt+M the music box, Alt+H the sign box, Alt+P
    // Proceed; Esc does nothing on this screen.
    void proceedSaysTheSignAndTheBox_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter, music") << "Leo" << true << true;
        QTest::newRow("Alt+P, no music") << "Pisces" << false << false;
    }
    void proceedSaysTheSignAndTheBox() {
        QFETCH(QString, sign);
        QFETCH(bool, music);
        QFETCH(bool, byEnter);
        QSignalSpy proceed(chooser, &shell::frmChoose::proceed);
        QSignalSpy exit(chooser, &shell::frmChoose::exitRequested);
        QSignalSpy close(chooser, &shell::ScreenWindow::closeRequested);
        drive::typeInto(combo(), sign);
        QTest::keyClick(combo(), Qt::Key_Escape);
        if (!music)
            QTest::keyClick(chooser, Qt::Key_M, Qt::AltModifier);
        QVERIFY(drive::spinUntil([music] { return chooser->musicBoxTicked() == music; }, 1000));
        control<QPushButton>("Command2")->setFocus();
        QTest::keyClick(chooser, Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), combo());
        QCOMPARE(proceed.count(), 0);
        if (byEnter)
            QTest::keyClick(combo(), Qt::Key_Return);
        else
            QTest::keyClick(chooser, Qt::Key_P, Qt::AltModifier);
        QVERIFY(proceed.wait(1000)); // pressed by a key, a button clicks a moment later
        QCOMPARE(proceed.count(), 1);
        QCOMPARE(proceed[0], (QVariantList{sign, music}));
        QCOMPARE(exit.count() + close.count(), 0); // Esc, clicking nothing, would have by now
        QCOMPARE(combo()->count(), 12);            // Enter adds nothing to the list
        QVERIFY(messages().isEmpty());
    }

    // Through the program: when the personal analysis becomes visible the sign is stored and the
    // chooser hidden, and the music has not been touched yet; it is decided right after.
    void proceedDecidesTheMusicLast_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("box ticked") << true;
        QTest::newRow("box clear") << false;
    }
    void proceedDecidesTheMusicLast() {
        QFETCH(bool, ticked);
        Program& program = drive::programWithRecordedMusic();
        QVERIFY(drive::reachMainMenu());
        drive::control<QCheckBox>(QStringLiteral("frmChoose"), QStringLiteral("chkMusic"))->setChecked(ticked);
        const qsizetype before = drive::recordedMusic().log.size();
        QString signSeen;
        bool chooserSeen = true;
        qsizetype musicSeen = -1;
        // The personal screen sets its caption as it becomes active.
        const QObject scope; // the connection goes with this function
        connect(&program.personal(), &personal::frmPersonal::windowTitleChanged, &scope, [&] {
            signSeen = program.state().userSign;
            chooserSeen = program.choose().isVisible();
            musicSeen = drive::recordedMusic().log.size();
        });
        QVERIFY(drive::chooseSign(QStringLiteral("Gemini")));
        QCOMPARE(signSeen, QStringLiteral("Gemini"));
        QVERIFY(!chooserSeen);
        QCOMPARE(musicSeen, before);
        QVERIFY(drive::recordedMusic().log.size() > before);
    }
};

QTEST_MAIN(TestChoose)
#include "test_choose.moc"
