// With a translation installed, every text of the screens' own goes through it (designed texts,
// captions and messages set in code, accessible names), while the sign names the user types and
// the analysis texts stay as they are.
#include "ProgramDriver.h"
#include "personal/PersonalContent.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using namespace drive;

namespace {

// Marks every text it is asked for, so a text that skipped translation shows unmarked, and
// notes the context it was asked in: a text set in code must share its form's context, where
// lupdate files it.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        contexts[QString::fromUtf8(source)] = QString::fromUtf8(context);
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
    mutable QHash<QString, QString> contexts;
};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_marking); }
    void cleanupTestCase() {
        QCoreApplication::removeTranslator(&m_marking);
        freshWholeProgram();
    }

    void chooserAndPersonal() {
        QVERIFY(walkTo(QStringLiteral("frmChoose")));
        QCOMPARE(screen("frmChoose").windowTitle(), QStringLiteral("[Zelvoria - Version " ZELVORIA_VERSION "]"));
        QCOMPARE(control<QPushButton>("frmChoose", "Command1")->text(),
                 QStringLiteral("[&Proceed]"));

        auto* sign = control<QComboBox>("frmChoose", "cboHoro");
        sign->setEditText(QStringLiteral("Ophiuchus"));
        control<QPushButton>("frmChoose", "Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages().first().text,
                 QStringLiteral("[Please select a sign before clicking the \"Proceed\" button.]"));
        QCOMPARE(messages().first().title, QStringLiteral("[Sorry . . .]"));
        QCOMPARE(m_marking.contexts.value(QStringLiteral(
                     "Please select a sign before clicking the \"Proceed\" button.")),
                 QStringLiteral("frmChoose"));

        // The sign names are the program's data, not its language.
        QCOMPARE(sign->itemText(4), QStringLiteral("Leo"));
        sign->setEditText(QStringLiteral("Leo"));
        control<QPushButton>("frmChoose", "Command1")->click();
        QVERIFY(visible("frmPersonal"));
        QCOMPARE(paneText(screen("frmPersonal")),
                 personal::BuildIntroductionText(QStringLiteral("Leo")).value());
        QCOMPARE(control("frmPersonal", "Command10")->accessibleName(),
                 QStringLiteral("[Main Menu]"));
        QCOMPARE(control("frmPersonal", "txtContent")->accessibleName(),
                 QStringLiteral("[Introduction]"));
    }

    void partnerLoveAndAbout() {
        QVERIFY(walkTo(QStringLiteral("frmMoreinfo")));
        control<QComboBox>("frmMoreinfo", "cboGender")->setEditText(QStringLiteral("he"));
        control<QPushButton>("frmMoreinfo", "Command1")->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(
            messages().first().text,
            QStringLiteral("[Please input correct data before clicking the \"Proceed\" button.]"));

        typeInto(control<QComboBox>("frmMoreinfo", "cboGender"), QStringLiteral("He"));
        typeInto(control<QComboBox>("frmMoreinfo", "cboHoro"), QStringLiteral("Scorpio"));
        control<QPushButton>("frmMoreinfo", "Command1")->click();
        QVERIFY(spinUntil([] { return visible(QStringLiteral("frmLove")); }));
        QCOMPARE(control<QLabel>("frmLove", "lblPartHoro")->text(),
                 QStringLiteral("[Scorpio ...]"));
        QCOMPARE(m_marking.contexts.value(QStringLiteral("%1 ...")), QStringLiteral("frmLove"));
        QCOMPARE(m_marking.contexts.value(QStringLiteral(
                     "Please input correct data before clicking the \"Proceed\" button.")),
                 QStringLiteral("frmMoreinfo"));
        QCOMPARE(control<QLabel>("frmLove", "Label11")->text(),
                 QStringLiteral("[In Love With A ]"));
        program().showAbout();
        QCOMPARE(control<QLabel>("frmAbout", "lblVersion")->text(), QStringLiteral("[Version " ZELVORIA_VERSION "]"));
        QCOMPARE(m_marking.contexts.value(QStringLiteral("Version %1")),
                 QStringLiteral("frmAbout"));
    }

private:
    MarkingTranslator m_marking;
};

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
