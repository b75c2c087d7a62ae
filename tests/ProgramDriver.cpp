#include "ProgramDriver.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "FakeSongPlayer.h"
#include "shell/TextPane.h"

#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace drive {

const QStringList& screenNames() {
    static const QStringList names{"frmSplash", "frmChoose", "frmPersonal", "frmMoreinfo",
                                   "frmProcessing", "frmLove", "frmAbout"};
    return names;
}

void freshWholeProgram(ProgramServices services) {
    freshProgram();
    services.messages = [](QWidget*, const shell::Message& m) { messages() << m; };
    if (!services.end)
        services.end = [] { ++programEndLog().ends; };
    assembleProgram(std::move(services));
}

namespace {
QPointer<FakeSongPlayer> g_recordedMusic;
}

std::unique_ptr<music::SongPlayer> recordingPlayer() {
    auto player = std::make_unique<FakeSongPlayer>();
    g_recordedMusic = player.get();
    return player;
}

FakeSongPlayer* recordedMusic() { return g_recordedMusic; }

void programWithRecordedMusic() {
    ProgramServices services;
    services.player = recordingPlayer;
    freshWholeProgram(std::move(services));
}

void setPair(const QString& user, const QString& partner, const QString& gender) {
    shell::appState().UserSign = user;
    shell::appState().PartnerSign = partner;
    shell::appState().PartnerGender = gender;
}

shell::Screen& screen(const QString& name) { return shell::Screens::instance().get(name); }

shell::Screen* loadedScreen(const QString& name) {
    shell::Screen* screen = shell::Screens::instance().existing(name);
    return screen && screen->isLoaded() ? screen : nullptr;
}

bool visible(const QString& name) {
    const shell::Screen* screen = loadedScreen(name);
    return screen && screen->isVisible();
}

QStringList visibleScreens() {
    QStringList shown;
    for (const QString& name : screenNames()) {
        if (visible(name))
            shown << name;
    }
    return shown;
}

bool isActive(const QString& name) {
    const shell::Screen* screen = loadedScreen(name);
    return screen && QApplication::activeWindow() == screen->window();
}

void noSuchControl(const QString& screenName, const QString& name) {
    qFatal("no control %s on %s", qPrintable(name), qPrintable(screenName));
}

QString paneText(const shell::Screen& screen) {
    auto* pane = screen.window()->findChild<shell::TextPane*>(QStringLiteral("txtContent"));
    return pane ? pane->text() : QStringLiteral("<no pane>");
}

QStringList shownLoveTopics() {
    QStringList texts;
    for (int n = 1; n <= 5; ++n) {
        control<QRadioButton>(QStringLiteral("frmLove"), QStringLiteral("Option%1").arg(n))->click();
        texts << paneText(screen(QStringLiteral("frmLove")));
    }
    return texts;
}

QStringList loveTopics(const QString& user, const QString& partner, const QString& gender) {
    return {compat::BuildLoveMatchText(user, partner).value_or(QString()),
            compat::BuildDosAndDontsText(partner).value_or(QString()),
            compat::BuildDateGuideText(partner).value_or(QString()),
            compat::BuildGiftGuideText(partner, gender).value_or(QString()), compat::BuildLoveRatingsText()};
}

QList<int> progressCounts() {
    QList<int> counts{0};
    for (int i = 0; i <= 100; ++i)
        counts << i;
    return counts;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// QTRY_* and QTest::qWait would look only every few milliseconds and sleep in between.
bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && !clock.hasExpired(timeoutMs)) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

void typeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

bool chooseSign(const QString& sign) {
    if (!QTest::qWaitForWindowActive(screen(QStringLiteral("frmChoose")).window()))
        return false;
    auto* box = control<QComboBox>(QStringLiteral("frmChoose"), QStringLiteral("cboHoro"));
    typeInto(box, sign);
    QTest::keyClick(box, Qt::Key_Return);
    return spinUntil([] { return visible(QStringLiteral("frmPersonal")); });
}

} // namespace drive
