#include "ProgramDriver.h"

#include "FakeSongPlayer.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "shell/TextPane.h"
#include "about/frmAbout.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "personal/frmPersonal.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace drive {

namespace {
struct Driven {
    std::unique_ptr<Program> program;
    FakeSongPlayer* music = nullptr;
    int ends = 0;
};
Driven& driven() {
    static Driven state;
    return state;
}
} // namespace

const QStringList& screenNames() {
    static const QStringList names{"frmSplash", "frmChoose", "frmPersonal", "frmMoreinfo",
                                   "frmProcessing", "frmLove", "frmAbout"};
    return names;
}

Program& freshWholeProgram(ProgramServices services) {
    Driven& state = driven();
    // The program goes before the application object does.
    [[maybe_unused]] static const bool dropped = [] {
        qAddPostRoutine([] { driven().program.reset(); });
        return true;
    }();
    state.program.reset();
    settle();
    if (!services.player)
        state.music = nullptr;
    state.ends = 0;
    recordMessages();
    if (!services.messages)
        services.messages = [](QWidget*, const shell::Message& m) { messages() << m; };
    if (!services.end)
        services.end = [] { ++driven().ends; };
    state.program = std::make_unique<Program>(std::move(services));
    return *state.program;
}

std::unique_ptr<music::SongPlayer> recordingPlayer() {
    auto fake = std::make_unique<FakeSongPlayer>();
    driven().music = fake.get();
    return fake;
}

Program& programWithRecordedMusic() {
    ProgramServices services;
    services.player = recordingPlayer;
    return freshWholeProgram(std::move(services));
}

Program& program() {
    Q_ASSERT(driven().program);
    return *driven().program;
}

FakeSongPlayer& recordedMusic() {
    Q_ASSERT(driven().music);
    return *driven().music;
}

int ends() { return driven().ends; }

shell::ScreenWindow& screen(const QString& name) {
    Program& p = program();
    const std::function<shell::ScreenWindow&()> makers[] = {
        [&]() -> shell::ScreenWindow& { return p.splash(); },   [&]() -> shell::ScreenWindow& { return p.choose(); },
        [&]() -> shell::ScreenWindow& { return p.personal(); }, [&]() -> shell::ScreenWindow& { return p.moreinfo(); },
        [&]() -> shell::ScreenWindow& { return p.processing(); }, [&]() -> shell::ScreenWindow& { return p.love(); },
        [&]() -> shell::ScreenWindow& { return p.about(); }};
    const qsizetype index = screenNames().indexOf(name);
    if (index < 0)
        qFatal("no screen %s", qPrintable(name));
    return makers[index]();
}

shell::ScreenWindow* loadedScreen(const QString& name) {
    const auto made = program().madeScreens();
    for (shell::ScreenWindow* screen : made) {
        if (screen->objectName() == name)
            return screen;
    }
    return nullptr;
}

bool visible(const QString& name) {
    const QWidget* screen = loadedScreen(name);
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
    const QWidget* screen = loadedScreen(name);
    return screen && QApplication::activeWindow() == screen;
}

void noSuchControl(const QString& screenName, const QString& name) {
    qFatal("no control %s on %s", qPrintable(name), qPrintable(screenName));
}

QString paneText(const QWidget& window) {
    auto* pane = window.findChild<shell::TextPane*>(QStringLiteral("txtContent"));
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
    // What those events let go of (a closed About box, say) goes too.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

bool reachMainMenu() {
    program().start();
    program().splash().tmrSplash().start(0);
    return spinUntil([] { return visible(QStringLiteral("frmChoose")); })
           && QTest::qWaitForWindowActive(&screen(QStringLiteral("frmChoose")));
}

bool chooseSign(const QString& sign) {
    if (!QTest::qWaitForWindowActive(&screen(QStringLiteral("frmChoose"))))
        return false;
    auto* box = control<QComboBox>(QStringLiteral("frmChoose"), QStringLiteral("cboHoro"));
    typeInto(box, sign);
    QTest::keyClick(box, Qt::Key_Return);
    return spinUntil([] { return visible(QStringLiteral("frmPersonal")); });
}

bool choosePartner(const QString& gender, const QString& sign) {
    control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"))->click();
    if (!visible(QStringLiteral("frmMoreinfo")))
        return false;
    typeInto(control<QComboBox>(QStringLiteral("frmMoreinfo"), QStringLiteral("cboGender")), gender);
    typeInto(control<QComboBox>(QStringLiteral("frmMoreinfo"), QStringLiteral("cboHoro")), sign);
    control<QPushButton>(QStringLiteral("frmMoreinfo"), QStringLiteral("Command1"))->click();
    // The count ticked through at once rather than on its timer.
    for (int tick = 0; tick < 200 && visible(QStringLiteral("frmProcessing")); ++tick)
        emit program().processing().tick();
    return spinUntil([] { return visible(QStringLiteral("frmLove")); });
}

bool walkTo(const QString& name) {
    programWithRecordedMusic();
    if (name == QLatin1String("frmSplash")) {
        program().start();
        return visible(name);
    }
    if (name == QLatin1String("frmProcessing")) {
        program().processing().blockSignals(true);
        program().processing().show();
        return true;
    }
    if (!reachMainMenu() || name == QLatin1String("frmChoose"))
        return visible(name);
    if (!chooseSign(QStringLiteral("Leo")))
        return false;
    if (name == QLatin1String("frmAbout"))
        program().showAbout();
    else if (name == QLatin1String("frmMoreinfo"))
        control<QRadioButton>(QStringLiteral("frmPersonal"), QStringLiteral("Option7"))->click();
    else if (name == QLatin1String("frmLove"))
        choosePartner(QStringLiteral("She"), QStringLiteral("Scorpio"));
    return visible(name);
}

} // namespace drive
