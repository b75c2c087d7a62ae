// What the program reads, draws and loads, and when: nothing before it is first needed. The
// content folders are parsed at their first lookup, a picture is parsed when it is first painted,
// and the sound library is opened only when music first plays. Also: the text pane, which skips
// refilling a text it already shows, must look exactly as after a fresh fill.

#include "MusicTestOutputs.h"
#include "ProgramDriver.h"
#include "assets/ContentCatalogue.h"
#include "shell/Startup.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QResource>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QtTest>
#include <optional>

namespace {

bool soundLibraryMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libfluidsynth");
}

QStringList parsedPictures(const QWidget& screen) {
    QStringList parsed;
    for (const auto* picture : screen.findChildren<shell::SvgPicture*>())
        if (picture->isLoaded())
            parsed << picture->objectName();
    return parsed;
}

bool catalogueLoaded(const char* folder) {
    return assets::ContentCatalogue::isLoaded(QString::fromLatin1(folder));
}

// A screen painted once it is up.
QWidget& painted(const char* name) {
    QWidget& screen = drive::screen(QString::fromLatin1(name));
    if (!QTest::qWaitForWindowExposed(&screen))
        qWarning("%s was not exposed", name);
    screen.repaint();
    return screen;
}

// What a process has read or loaded stays for its life: a case that looks at that runs again in
// a process of its own, where nothing ran before it. Its exit status there, or none in that process.
#define ON_ITS_OWN() if (const auto status = runOnItsOwn()) { QCOMPARE(*status, 0); return; }
std::optional<int> runOnItsOwn() {
    if (qEnvironmentVariableIsSet("ZELVORIA_ON_ITS_OWN"))
        return std::nullopt;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZELVORIA_ON_ITS_OWN"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return -1;
    return child.exitCode();
}

QString longText() {
    QString text;
    for (int n = 0; n < 60; ++n)
        text += QStringLiteral("Row %1 of a text long enough to scroll the pane.").arg(n).leftJustified(35).left(35);
    return text;
}

} // namespace

class TestFootprint : public QObject {
    Q_OBJECT
private slots:
    void init() { drive::programWithRecordedMusic(); } // no music played in these tests
    void cleanupTestCase() { drive::freshWholeProgram(); }

    void startUpReadsOnlyWhatTheSplashShows() {
        ON_ITS_OWN();
        QVERIFY(!soundLibraryMapped());
        drive::program().start();
        QWidget& splash = painted("frmSplash");
        // Drawn from the bitmap the build baked for it, not from its vector file.
        QCOMPARE(parsedPictures(splash), QStringList{});
        QVERIFY(!catalogueLoaded(":/content/personal"));
        QVERIFY(!catalogueLoaded(":/content/lovematch"));
        QVERIFY(!catalogueLoaded(":/content/guides"));
        QVERIFY(!drive::loadedScreen(QStringLiteral("frmChoose")));
        QVERIFY(!soundLibraryMapped());
    }

    void personalAnalysisReadsItsOwnContentAndOneBanner() {
        ON_ITS_OWN();
        QVERIFY(drive::reachMainMenu());
        QVERIFY(drive::chooseSign(QStringLiteral("Leo")));
        QWidget& personal = painted("frmPersonal");
        QCOMPARE(parsedPictures(personal), QStringList{QStringLiteral("Image5")});
        QVERIFY(catalogueLoaded(":/content/personal"));
        QVERIFY(!catalogueLoaded(":/content/lovematch"));
        QVERIFY(!catalogueLoaded(":/content/guides"));

        drive::control<QPushButton>(QStringLiteral("frmPersonal"), QStringLiteral("Command10"))->click();
        QVERIFY(drive::chooseSign(QStringLiteral("Aries")));
        painted("frmPersonal");
        QCOMPARE(parsedPictures(personal), (QStringList{QStringLiteral("Image1"), QStringLiteral("Image5")}));
        QVERIFY(!soundLibraryMapped());
    }

    // A baked bitmap is drawn only where it fits exactly, and looks as the vector drawing does;
    // at any other size the picture is drawn from its vector file.
    void bakedPicturesLookAsTheirDrawing_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("baked");
        QTest::newRow("the splash's own size") << QSize(455, 276) << true;
        QTest::newRow("a pixel narrower") << QSize(454, 276) << false;
        QTest::newRow("half the size") << QSize(227, 138) << false;
    }
    void bakedPicturesLookAsTheirDrawing() {
        QFETCH(QSize, size);
        QFETCH(bool, baked);
        const QString source = QStringLiteral(":/pictures/splash.svg");
        QCOMPARE(QResource(shell::SvgPicture::bakedName(source, QSize(455, 276))).isValid(), true);
        shell::SvgPicture picture;
        picture.setSource(source);
        picture.resize(size);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.isLoaded(), !baked);

        QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(picture.palette().color(QPalette::Window));
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(source).render(&painter, QRectF(QPointF(), QSizeF(size)));
        }
        drawn = drawn.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), drawn.size());
        int worst = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = drawn.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    // However the pane came to show a text, setting that text again leaves it as a fresh fill
    // does: the same rows, the cursor at the start, nothing selected, scrolled to the top.
    void settingTheShownTextAgainLooksLikeAFreshFill_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("scrolledAndSelected");
        QTest::addColumn<QString>("designed"); // put in behind the pane's back, as a .ui does
        QTest::newRow("same text, scrolled down and selected") << longText() << true << QString();
        QTest::newRow("same text, untouched") << longText() << false << QString();
        QTest::newRow("empty text over a designed text") << QString() << false << QStringLiteral("sample");
        QTest::newRow("same text after the document was replaced") << longText() << false
                                                                   << QStringLiteral("other");
    }
    void settingTheShownTextAgainLooksLikeAFreshFill() {
        QFETCH(QString, before);
        QFETCH(bool, scrolledAndSelected);
        QFETCH(QString, designed);
        shell::TextPane fresh, pane;
        for (shell::TextPane* p : {&fresh, &pane}) {
            p->resize(305, 289);
            p->show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        fresh.setText(before);
        pane.setText(before);
        if (scrolledAndSelected) {
            pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
            pane.selectAll();
        }
        if (!designed.isNull())
            pane.setPlainText(designed);

        pane.setText(before);

        QCOMPARE(pane.rows(), fresh.rows());
        QCOMPARE(pane.text(), before);
        QCOMPARE(pane.textCursor().position(), 0);
        QVERIFY(!pane.textCursor().hasSelection());
        QCOMPARE(pane.verticalScrollBar()->value(), 0);
    }

    // The real player, whose synth module brings FluidSynth with the first song.
    void soundLibraryComesWithTheFirstSong() {
        ON_ITS_OWN();
        music::FluidPlayer player;
        QVERIFY(!soundLibraryMapped());
        player.play(QFINDTESTDATA("../assets/music/song1.msc"));
        QVERIFY(drive::spinUntil(soundLibraryMapped, 10000));
    }
};

QTEST_MAIN(TestFootprint)
#include "test_footprint.moc"
