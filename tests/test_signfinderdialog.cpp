// The finder from each screen by keyboard alone: the button's key opens the dialog, the birth
// is typed, "Use this sign" puts the sign into the screen's box as a pick would (the birthday
// range follows), after the user's choice where the question has two answers; Esc leaves the
// box as it was.
#include "ProgramDriver.h"
#include "sunsign/SignFinderDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace drive;

namespace {

void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), k, mods);
}
void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }

sunsign::SignFinderDialog* openDialog() {
    key(Qt::Key_F, Qt::AltModifier);
    sunsign::SignFinderDialog* dialog = nullptr;
    spinUntil([&] {
        dialog = qobject_cast<sunsign::SignFinderDialog*>(QApplication::activeModalWidget());
        return dialog && dialog->isActiveWindow();
    });
    return dialog;
}

} // namespace

class TestSignFinderDialog : public QObject {
    Q_OBJECT
private slots:
    void init() {
        programWithRecordedMusic();
        QVERIFY(reachMainMenu());
    }
    void cleanupTestCase() { freshWholeProgram(); }

    // Where the question has two answers, "Use this sign" waits for the user's choice: one of
    // the two signs of a change-over day, or one of the two offsets of a time the clocks went
    // back over (Down pressed `picks` times in the choice box).
    void byKeyboard_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time"); // empty: time unknown
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("picks");
        QTest::addColumn<QString>("sign"); // empty: Esc
        QTest::addColumn<QString>("said");
        const QString leo = QStringLiteral("Born 23 July 1990 at 14:30 (Europe/Berlin): the Sun was in Leo");
        for (const char* screen : {"frmChoose", "frmMoreinfo"}) {
            QTest::addRow("%s, use", screen) << screen << "19900723" << "1430" << "Europe/Berlin" << 0 << "Leo" << leo;
            QTest::addRow("%s, cancel", screen) << screen << "19900723" << "1430" << "Europe/Berlin" << 0 << "" << leo;
        }
        QTest::newRow("change-over, earlier") << "frmChoose" << "19900120" << "" << "Europe/London" << 1 << "Capricorn" << "";
        QTest::newRow("change-over, later") << "frmMoreinfo" << "19900120" << "" << "Europe/London" << 2 << "Aquarius" << "";
        QTest::newRow("clocks back, first") << "frmChoose" << "20211107" << "0130" << "America/New_York" << 1 << "Scorpio" << "UTC-04:00";
        QTest::newRow("clocks back, second") << "frmChoose" << "20211107" << "0130" << "America/New_York" << 2 << "Scorpio" << "UTC-05:00";
    }
    void byKeyboard() {
        QFETCH(QString, screenName);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, zone);
        QFETCH(int, picks);
        QFETCH(QString, sign);
        QFETCH(QString, said);
        if (screenName == QLatin1String("frmMoreinfo")) {
            QVERIFY(chooseSign(QStringLiteral("Aries")));
            control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"))->click();
        }
        QVERIFY(QTest::qWaitForWindowActive(&screen(screenName)));
        auto* box = control<QComboBox>(screenName, QStringLiteral("cboHoro"));
        auto* range = control<QLabel>(screenName, QStringLiteral("lblDate"));
        const QString rangeBefore = range->text();

        sunsign::SignFinderDialog* dialog = openDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), &screen(screenName));
        type(qPrintable(date));              // the date field has the focus
        if (!time.isEmpty()) {
            key(Qt::Key_T, Qt::AltModifier); // time known
            QTRY_VERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("chkTime"))->isChecked());
            key(Qt::Key_Tab);
            type(qPrintable(time));
        }
        key(Qt::Key_Z, Qt::AltModifier);     // the zone, found by part of its name
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
        type(qPrintable(zone));
        key(Qt::Key_Tab);
        auto* use = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(use->isEnabled(), picks == 0);
        if (picks > 0) {
            key(time.isEmpty() ? Qt::Key_S : Qt::Key_W, Qt::AltModifier);
            for (int i = 0; i < picks; ++i)
                key(Qt::Key_Down);
        }
        QVERIFY2(dialog->answer().text.contains(said), qPrintable(dialog->answer().text));
        key(sign.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(box->currentText(), sign.isEmpty() ? QStringLiteral("Aries") : sign);
        QCOMPARE(range->text(), sign.isEmpty() ? rangeBefore
                                               : QString::fromLatin1(zodiac::info(*zodiac::signFromName(sign)).birthdayRange));
    }

    // "Use this sign" pressed by its key clicks 100 ms later; should the answer have gone
    // meanwhile, nothing is accepted (found by the soak: the box was handed no sign).
    void noSignNoAcceptance() {
        sunsign::SignFinderDialog dialog;
        dialog.findChild<QComboBox*>(QStringLiteral("cboZone"))->setEditText(QStringLiteral("Nowhere/Atlantis"));
        QVERIFY(!dialog.chosenSign());
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.accept();
        QCOMPARE(accepted.count(), 0);
    }
};

QTEST_MAIN(TestSignFinderDialog)
#include "test_signfinderdialog.moc"
