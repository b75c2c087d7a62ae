// The program as a screen reader and a keyboard user meet it: the accessible tree of every real
// screen (names, roles, descriptions), the pane named after its topic, the clickable labels
// pressed through their accessible action, the Tab order of each window, and the whole road
// from the splash to the love analysis and back driven by keys alone.
#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "shell/Accessibility.h"
#include "shell/Fonts.h"
#include "shell/Startup.h"
#include "shell/TextPane.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace drive;
using namespace shell;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    if (!face)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return face;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// Every visible node of the tree below the window, combo box insides left out (Qt names those).
void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& into) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        into << child;
        if (child->role() != QAccessible::ComboBox)
            collect(child, into);
    }
}

QWidget* focused() {
    return QApplication::focusWidget();
}
QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QVERIFY(focused());
    QTest::keyClick(focused(), key, mods);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void cleanupTestCase() { freshWholeProgram(); }

    // Whatever a screen reader can reach on any screen says what it is: nothing it can focus,
    // press or look at is nameless, and the combo boxes are described.
    void nothingReachableIsNameless_data() {
        QTest::addColumn<QString>("screenName");
        for (const QString& name : screenNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void nothingReachableIsNameless() {
        QFETCH(QString, screenName);
        QVERIFY(walkTo(screenName));
        QList<QAccessibleInterface*> nodes;
        collect(accessible(&screen(screenName)), nodes);
        QVERIFY(!accessible(&screen(screenName))->text(QAccessible::Name).isEmpty());
        int checked = 0;
        for (QAccessibleInterface* node : nodes) {
            const QString what = node->object() ? node->object()->objectName() : QString();
            if (node->role() == QAccessible::ComboBox) {
                QVERIFY2(!node->text(QAccessible::Description).isEmpty(), qPrintable(what));
                ++checked;
                continue;
            }
            const QStringList actions =
                node->actionInterface() ? node->actionInterface()->actionNames() : QStringList();
            const bool matters = node->state().focusable ||
                                 actions.contains(QAccessibleActionInterface::pressAction()) ||
                                 actions.contains(QAccessibleActionInterface::toggleAction()) ||
                                 node->role() == QAccessible::Graphic ||
                                 node->role() == QAccessible::ProgressBar;
            if (!matters || node->role() == QAccessible::ScrollBar)
                continue;
            QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
            QVERIFY2(!node->text(QAccessible::Name).contains(u'\n'), qPrintable(what));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // The chooser's combo box is labelled by "&Horoscope  :" for the screen reader.
    void theSignBoxIsLabelled() {
        QVERIFY(walkTo(QStringLiteral("frmChoose")));
        QStringList labels;
        for (const auto& relation :
             accessible(control(QStringLiteral("frmChoose"), QStringLiteral("cboHoro")))
                 ->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QVERIFY2(labels.contains(QStringLiteral("Horoscope  :")), qPrintable(labels.join(u'|')));
    }

    // Exactly one banner is reachable, the user's sign's, described by its sign.
    void theBannerIsTheUsersSign_data() {
        QTest::addColumn<QString>("sign");
        for (const char* sign : {"Aries", "Leo", "Scorpio", "Pisces"})
            QTest::newRow(sign) << QString::fromLatin1(sign);
    }
    void theBannerIsTheUsersSign() {
        QFETCH(QString, sign);
        programWithRecordedMusic();
        QVERIFY(reachMainMenu());
        QVERIFY(chooseSign(sign));
        QList<QAccessibleInterface*> nodes;
        collect(accessible(&screen(QStringLiteral("frmPersonal"))), nodes);
        QStringList graphics;
        for (QAccessibleInterface* node : nodes) {
            if (node->role() == QAccessible::Graphic)
                graphics << node->text(QAccessible::Name) + u'|' +
                                node->text(QAccessible::Description);
        }
        QCOMPARE(graphics.size(), 1);
        QVERIFY2(graphics.first().startsWith(sign + QStringLiteral(" banner|") + sign + u','),
                 qPrintable(graphics.first()));
    }

    // The pane takes the name of every topic it shows, and its text reads as the rows shown.
    void thePaneIsNamedAfterItsTopic_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<int>("topics");
        QTest::newRow("personal") << "frmPersonal" << 6;
        QTest::newRow("love") << "frmLove" << 5;
    }
    void thePaneIsNamedAfterItsTopic() {
        QFETCH(QString, screenName);
        QFETCH(int, topics);
        QVERIFY(walkTo(screenName));
        auto* pane = control<TextPane>(screenName, QStringLiteral("txtContent"));
        for (int n = topics; n >= 1; --n) {
            auto* option = control<QRadioButton>(screenName, QStringLiteral("Option%1").arg(n));
            option->click();
            QCOMPARE(nameOf(pane), nameOf(option));
            QAccessibleTextInterface* text = accessible(pane)->textInterface();
            QVERIFY(text);
            QCOMPARE(text->text(0, text->characterCount()), pane->rows().join(u'\n'));
            QVERIFY(!pane->text().isEmpty());
        }
    }

    void topicNames_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("name");
        QTest::newRow("access key dropped") << "Da&te Guide"
                                            << ""
                                            << "Date Guide";
        QTest::newRow("line break read as a space") << "&Do's and\nDont's"
                                                    << ""
                                                    << "Do's and Dont's";
        QTest::newRow("doubled ampersand kept once") << "Salt && &Pepper"
                                                     << ""
                                                     << "Salt & Pepper";
        QTest::newRow("accessible name wins") << "&House"
                                              << "Houses"
                                              << "Houses";
    }
    void topicNames() {
        QFETCH(QString, caption);
        QFETCH(QString, accessibleName);
        QFETCH(QString, name);
        QRadioButton option(caption);
        option.setAccessibleName(accessibleName);
        QCOMPARE(topicName(option), name);
    }

    // A screen reader presses a navigation label through its accessible action.
    void labelsArePressedThroughTheirAction_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("to");
        QTest::newRow("personal, Main Menu") << "frmPersonal"
                                             << "Label10"
                                             << "frmChoose";
        QTest::newRow("personal, About") << "frmPersonal"
                                         << "Label8"
                                         << "frmAbout";
        QTest::newRow("love, Personal Analysis") << "frmLove"
                                                 << "Label6"
                                                 << "frmPersonal";
        QTest::newRow("love, Exit") << "frmLove"
                                    << "Label9"
                                    << "";
    }
    void labelsArePressedThroughTheirAction() {
        QFETCH(QString, from);
        QFETCH(QString, label);
        QFETCH(QString, to);
        QVERIFY(walkTo(from));
        QAccessibleActionInterface* action = accessible(control(from, label))->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        if (to.isEmpty()) {
            QCOMPARE(ends(), 1);
        } else {
            QVERIFY(visible(to));
            QCOMPARE(program().activeScreen(), &screen(to));
        }
    }

    // Tab walks the focusable controls in the designed order and comes round again.
    void tabOrder_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("chooser") << "frmChoose"
                                 << QStringList{"cboHoro", "cmdFindSign", "chkMusic", "Command1", "Command2"};
        QTest::newRow("personal") << "frmPersonal"
                                  << QStringList{"Option1", "txtContent", "cmdKeep", "Command10",
                                                 "Command8", "Command9"};
        QTest::newRow("partner") << "frmMoreinfo"
                                 << QStringList{"Command1", "Command2", "cboHoro", "cboGender", "cmdFindSign"};
        QTest::newRow("love") << "frmLove" << QStringList{"txtContent", "cmdKeep", "Option1", "Command8",
                                                          "Command9",   "Command10", "Command6"};
        QTest::newRow("about") << "frmAbout" << QStringList{"cmdOK", "cmdSysInfo"};
    }
    void tabOrder() {
        QFETCH(QString, screenName);
        QFETCH(QStringList, chain);
        QVERIFY(walkTo(screenName));
        QVERIFY(QTest::qWaitForWindowActive(&screen(screenName)));
        control(screenName, chain.first())->setFocus();
        QStringList walked{focusedName()};
        for (qsizetype i = 0; i < chain.size(); ++i) {
            press(Qt::Key_Tab);
            walked << focusedName();
        }
        QCOMPARE(walked, chain + QStringList{chain.first()});
    }

    // Splash, chooser, personal analysis, partner, progress, love analysis, About, and back to
    // the main menu and out, with no mouse at all.
    // The whole road is the long tier's (test_accessibility_road runs this function alone).
    void theWholeRoadByKeys() {
        if (!qEnvironmentVariableIsSet("ZELVORIA_WHOLE_ROAD"))
            QSKIP("the whole road runs in the long tier");
        programWithRecordedMusic();
        QVERIFY(reachMainMenu());

        // The sign picked with the arrow keys; Enter proceeds.
        QCOMPARE(focusedName(), QStringLiteral("cboHoro"));
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Down);
        QCOMPARE(control<QLabel>(QStringLiteral("frmChoose"), QStringLiteral("lblDate"))->text(),
                 QStringLiteral("Jul 23 - Aug 22"));
        press(Qt::Key_Return);
        QTRY_VERIFY(isActive("frmPersonal"));
        QCOMPARE(program().state().userSign, QStringLiteral("Leo"));
        QVERIFY(recordedMusic().isPlaying());
        auto* personalPane = control(QStringLiteral("frmPersonal"), QStringLiteral("txtContent"));
        QCOMPARE(focusedName(), QStringLiteral("Option1"));

        // Topics by access key and by arrow key; "More on love" by its access key.
        press(Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(nameOf(personalPane), QStringLiteral("Planet"));
        press(Qt::Key_Down);
        QTRY_COMPARE(nameOf(personalPane), QStringLiteral("Element"));
        press(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(isActive("frmMoreinfo"));

        // The partner: Tab to the sign box, arrow to Scorpio, Tab to the gender, arrow to She.
        QCOMPARE(focusedName(), QStringLiteral("Command1"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("cboHoro"));
        for (int i = 0; i < 7; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("cboGender"));
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(isActive("frmLove"), 5000);
        QCOMPARE(program().state().partnerSign, QStringLiteral("Scorpio"));
        QCOMPARE(program().state().partnerGender, QStringLiteral("She"));

        // Love topics, then About by Tab and Enter, closed by Esc.
        auto* lovePane = control(QStringLiteral("frmLove"), QStringLiteral("txtContent"));
        QCOMPARE(focusedName(), QStringLiteral("Option1"));
        QCOMPARE(nameOf(lovePane), QStringLiteral("Love Match"));
        press(Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(nameOf(lovePane), QStringLiteral("Gift Guide"));
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("Command8"));
        press(Qt::Key_Return);
        QTRY_VERIFY(isActive("frmAbout"));
        QCOMPARE(focusedName(), QStringLiteral("cmdOK"));
        press(Qt::Key_Escape);
        QTRY_VERIFY(isActive("frmLove"));
        QCOMPARE(nameOf(lovePane), QStringLiteral("Love Match"));

        // Personal Analysis (the fourth button), then Main Menu, then Exit by its access key.
        QCOMPARE(focusedName(), QStringLiteral("Option1"));
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("Command6"));
        press(Qt::Key_Space);
        QTRY_VERIFY(isActive("frmPersonal"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("cmdKeep"));
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("Command10"));
        press(Qt::Key_Return);
        QTRY_VERIFY(isActive("frmChoose"));
        QCOMPARE(ends(), 0);
        press(Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(ends(), 1);
        QVERIFY(!recordedMusic().isPlaying());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
