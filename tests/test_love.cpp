#include "ProgramDriver.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "compat/frmLove.h"
#include "shell/AppState.h"
#include "shell/ClickableLabel.h"
#include "shell/ScreenWindow.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "shell/Version.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace compat;
using namespace shell;
using drive::loveTopics;
using drive::setPair;
using drive::shownLoveTopics;
using drive::visible;

namespace {

frmLove& love() { return Screens::instance().get<frmLove>(); }
template <class T>
T* control(const QString& name) {
    return love().window()->findChild<T*>(name);
}
QRadioButton* option(int n) { return control<QRadioButton>(QStringLiteral("Option%1").arg(n)); }
QString pane() { return control<TextPane>(QStringLiteral("txtContent"))->text(); }
QString headline() { return control<QLabel>(QStringLiteral("lblPartHoro"))->text(); }
// What the progress screen's hand-over does.
void handOver() {
    love().ensureLoaded();
    love().Form_Load();
    love().Show();
}

} // namespace

class TestLove : public QObject {
    Q_OBJECT
private slots:
    void init() {
        freshProgram();
        Screens::instance().add<frmLove>();
        registerStandIns({"frmPersonal", "frmChoose", "frmAbout"});
        setPair("Aries", "Aquarius", "She");
        handOver();
        QVERIFY(QTest::qWaitForWindowActive(love().window()));
    }
    void cleanupTestCase() { freshProgram(); }

    void firstActivation() {
        QVERIFY(option(1)->isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), option(1));
        QCOMPARE(pane(), *BuildLoveMatchText(QStringLiteral("Aries"), QStringLiteral("Aquarius")));
        QCOMPARE(headline(), QStringLiteral("Aquarius ..."));
        QCOMPARE(control<QLabel>(QStringLiteral("Label11"))->text(), QStringLiteral("In Love With A "));
        QCOMPARE(love().window()->windowTitle(), VersionCaption());
        QVERIFY(!(love().window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* heart = control<SvgPicture>(QStringLiteral("Image1"));
        QCOMPARE(heart->source(), QStringLiteral(":/pictures/heart.svg"));
        QVERIFY(heart->isValid());
    }

    void topicsAndTheirKeys_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("key");
        QTest::newRow("Love Match") << 1 << "&Love Match" << int(Qt::Key_L);
        QTest::newRow("Do's and Dont's") << 2 << "&Do's and Dont's" << int(Qt::Key_D);
        QTest::newRow("Date Guide") << 3 << "Da&te Guide" << int(Qt::Key_T);
        QTest::newRow("Gift Guide") << 4 << "&Gift Guide" << int(Qt::Key_G);
        QTest::newRow("Love Ratings") << 5 << "Love &Ratings" << int(Qt::Key_R);
    }
    void topicsAndTheirKeys() {
        QFETCH(int, n);
        QFETCH(QString, caption);
        QFETCH(int, key);
        // "Do's and Dont's" is laid out on two rows, broken where the words part.
        QCOMPARE(option(n)->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), caption);
        QCOMPARE(option(n)->cursor().shape(), Qt::PointingHandCursor);
        const QString expected = loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"),
                                          QStringLiteral("She"))[n - 1];
        if (n == 1)
            option(5)->click();
        QTest::keyClick(love().window(), Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(option(n)->isChecked());
        QTRY_COMPARE(pane(), expected);
        for (int other = 1; other <= 5; ++other)
            QCOMPARE(option(other)->isChecked(), other == n);
    }

    void optionsOnlyCopyTheStoredTexts() {
        const QStringList built = loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"),
                                           QStringLiteral("She"));
        setPair("Leo", "Pisces", "He"); // not seen until the next activation
        QCOMPARE(shownLoveTopics(), built);
        option(1)->click();
        QCOMPARE(pane(), built[0]);
        QCOMPARE(headline(), QStringLiteral("Aquarius ..."));
    }

    void arrowKeysWalkTheTopics() {
        option(1)->setFocus();
        QTest::keyClick(option(1), Qt::Key_Down);
        QTRY_VERIFY(option(2)->isChecked());
        QCOMPARE(pane(), *BuildDosAndDontsText(QStringLiteral("Aquarius")));
    }

    void everyActivationRebuildsFromTheState() {
        option(4)->click();
        love().Hide();
        setPair("Capricorn", "Leo", "He");
        handOver();
        QVERIFY(option(1)->isChecked());
        QCOMPARE(headline(), QStringLiteral("Leo ..."));
        QCOMPARE(pane(), *BuildLoveMatchText(QStringLiteral("Capricorn"), QStringLiteral("Leo")));
        QCOMPARE(shownLoveTopics(),
                 loveTopics(QStringLiteral("Capricorn"), QStringLiteral("Leo"), QStringLiteral("He")));
    }

    void backFromAnotherWindowStartsOnLoveMatch_data() {
        QTest::addColumn<bool>("byClosingAbout");
        QTest::newRow("About closed") << true;
        QTest::newRow("love screen clicked, About left open") << false;
    }
    void backFromAnotherWindowStartsOnLoveMatch() {
        QFETCH(bool, byClosingAbout);
        option(4)->click();
        QCOMPARE(pane(), *BuildGiftGuideText(QStringLiteral("Aquarius"), QStringLiteral("She")));
        control<QPushButton>(QStringLiteral("Command8"))->click();
        Screen& about = Screens::instance().get(QStringLiteral("frmAbout"));
        QVERIFY(about.isVisible());
        QVERIFY(love().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        setPair("Gemini", "Virgo", "He"); // as if changed elsewhere meanwhile
        if (byClosingAbout) {
            about.Unload();
        } else {
            love().window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(love().window()));
        }
        QTRY_VERIFY(option(1)->isChecked());
        QVERIFY(!option(4)->isChecked());
        QCOMPARE(pane(), *BuildLoveMatchText(QStringLiteral("Gemini"), QStringLiteral("Virgo")));
        QCOMPARE(headline(), QStringLiteral("Virgo ..."));
    }

    // Values the other screens never let through: the topics keyed by them keep their texts.
    void invalidValuesKeepWhatWasBuilt_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<QString>("gender");
        QTest::addColumn<QString>("rebuilt"); // per topic: n new pair, k kept
        QTest::newRow("user sign in small letters") << "leo" << "Taurus" << "He" << "knnnn";
        QTest::newRow("partner sign in small letters") << "Leo" << "taurus" << "He" << "kkkkn";
        QTest::newRow("partner sign with a blank") << "Leo" << "Taurus " << "He" << "kkkkn";
        QTest::newRow("gender in small letters") << "Leo" << "Taurus" << "he" << "nnnkn";
        QTest::newRow("no gender") << "Leo" << "Taurus" << "" << "nnnkn";
    }
    void invalidValuesKeepWhatWasBuilt() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(QString, gender);
        QFETCH(QString, rebuilt);
        const QStringList before = loveTopics(QStringLiteral("Aries"), QStringLiteral("Aquarius"),
                                            QStringLiteral("She"));
        const QStringList after = loveTopics(QStringLiteral("Leo"), QStringLiteral("Taurus"),
                                           QStringLiteral("He"));
        love().Hide();
        appState().UserSign = user;
        appState().PartnerSign = partner;
        appState().PartnerGender = gender;
        handOver();
        QCOMPARE(headline(), partner + QStringLiteral(" ..."));
        QCOMPARE(love().window()->windowTitle(), VersionCaption());
        const QStringList shown = shownLoveTopics();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(shown[i], rebuilt[i] == QLatin1Char('n') ? after[i] : before[i]);
    }

    void nothingBuiltYetLeavesEmptyTexts() {
        freshProgram();
        Screens::instance().add<frmLove>();
        setPair("Aries", "Ophiuchus", "She");
        handOver();
        QVERIFY(option(1)->isChecked());
        QCOMPARE(shownLoveTopics(), (QStringList{{}, {}, {}, {}, BuildLoveRatingsText()}));
    }

    void navigation_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("loveStays");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Command6") << "Command6" << "" << "frmPersonal" << false << false;
        QTest::newRow("Label6") << "Label6" << "Personal Analysis" << "frmPersonal" << false << false;
        QTest::newRow("Command10") << "Command10" << "" << "frmChoose" << false << false;
        QTest::newRow("Label10") << "Label10" << "Main Menu" << "frmChoose" << false << false;
        QTest::newRow("Command8") << "Command8" << "" << "frmAbout" << true << false;
        QTest::newRow("Label8") << "Label8" << "About" << "frmAbout" << true << false;
        QTest::newRow("Command9") << "Command9" << "" << "" << true << true;
        QTest::newRow("Label9") << "Label9" << "Exit" << "" << true << true;
    }
    void navigation() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        QFETCH(bool, loveStays);
        QFETCH(bool, ends);
        if (auto* label = ::control<ClickableLabel>(control)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            ::control<QPushButton>(control)->click();
        }
        if (!target.isEmpty()) {
            QVERIFY(visible(target));
            QCOMPARE(Screens::instance().activeScreen()->name(), target);
        }
        QCOMPARE(love().isVisible(), loveStays);
        QCOMPARE(programEndLog().ends, ends ? 1 : 0);
    }

    // Where the design puts the controls, in twips (15 to a pixel); the labels beside the small
    // buttons are sized to their text and left out.
    void designedPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame2") << "Frame2" << QRect(120, 3720, 1935, 1935);
        QTest::newRow("Command6") << "Command6" << QRect(120, 360, 195, 195);
        QTest::newRow("Command10") << "Command10" << QRect(120, 720, 195, 195);
        QTest::newRow("Command8") << "Command8" << QRect(120, 1080, 195, 195);
        QTest::newRow("Command9") << "Command9" << QRect(120, 1440, 195, 195);
        QTest::newRow("Frame1") << "Frame1" << QRect(120, 1200, 1935, 2415);
        QTest::newRow("Option1") << "Option1" << QRect(120, 240, 1695, 255);
        QTest::newRow("Option2") << "Option2" << QRect(120, 600, 1575, 495);
        QTest::newRow("Option3") << "Option3" << QRect(120, 1200, 1575, 255);
        QTest::newRow("Option4") << "Option4" << QRect(120, 1560, 1455, 255);
        QTest::newRow("Option5") << "Option5" << QRect(120, 1920, 1575, 255);
        QTest::newRow("txtContent") << "txtContent" << QRect(2160, 1320, 4575, 4335);
        QTest::newRow("lblPartHoro") << "lblPartHoro" << QRect(2760, 480, 3975, 615);
        QTest::newRow("Label11") << "Label11" << QRect(1800, 120, 1935, 375);
        QTest::newRow("Image1") << "Image1" << QRect(120, 0, 1410, 1200);
    }
    void designedPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(control<QWidget>(name)->geometry(), pixels);
        QCOMPARE(love().window()->size(), QSize(455, 385));
    }

    void captionsFitTheirControls() {
        for (const char* name : {"Label6", "Label8", "Label9", "Label10", "Option1", "Option2",
                                 "Option3", "Option4", "Option5"}) {
            const QWidget* widget = control<QWidget>(QString::fromLatin1(name));
            QVERIFY2(widget->sizeHint().width() <= widget->width(), name);
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void tabOrder() {
        const QStringList chain{"Command8", "Command9", "Command10", "Command6", "txtContent"};
        control<QWidget>(chain[0])->setFocus();
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain[i]);
        }
    }

    void closingEndsTheProgram() {
        love().window()->close();
        QCOMPARE(programEndLog().ends, 1);
    }
};

QTEST_MAIN(TestLove)
#include "test_love.moc"
