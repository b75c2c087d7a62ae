#include "Program.h"

#include "about/frmAbout.h"
#include "compat/frmLove.h"
#include "compat/frmMoreinfo.h"
#include "compat/frmProcessing.h"
#include "music/FluidPlayer.h"
#include "personal/frmPersonal.h"
#include "report/ReportCommands.h"
#include "shell/ProgramPath.h"
#include "shell/frmChoose.h"
#include "shell/frmSplash.h"

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// A window activated here may report its activation late, after another screen was shown;
// such a stale report is ignored for this long.
constexpr qint64 kActivationGraceMs = 1000;

void endProcessNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

// A window about to go hears nothing more from its controls.
void quieten(QWidget& window) {
    window.blockSignals(true);
    const auto children = window.findChildren<QObject*>();
    for (QObject* child : children)
        child->blockSignals(true);
}

} // namespace

Program::Program(ProgramServices services) : m_services(std::move(services)) {
    if (!m_services.end)
        m_services.end = endProcessNow;
    shell::setMessageSink(m_services.messages);
    if (!m_services.system)
        m_services.system = &about::desktopSystem();
    if (!m_services.links)
        m_services.links = &about::desktopLinkOpener();
    m_player = m_services.player ? m_services.player() : std::make_unique<music::FluidPlayer>();
    // The music is only ever started from the chooser, so the box is there to be read.
    m_music = std::make_unique<music::BackgroundMusic>(
        *m_player, music::BackgroundMusic::Environment{shell::Path, [this] { return m_choose && m_choose->musicBoxTicked(); }});
}

Program::~Program() {
    m_ended = true;
    for (QWidget* window : m_onActivate.keys())
        quieten(*window);
}

void Program::start() { show(splash()); }

void Program::end() {
    if (m_ended)
        return;
    m_ended = true;
    for (QWidget* window : m_onActivate.keys())
        quieten(*window);
    m_music->shutdown();
    m_services.end();
}

// Every screen: made once, its activation rule kept, and closing its window ends the program
// (but for the About box, which only closes).
template <class Window>
Window& Program::made(std::unique_ptr<Window>& slot, std::function<void()> onActivate) {
    if (!slot) {
        slot = std::make_unique<Window>();
        Window* window = slot.get();
        m_onActivate.insert(window, std::move(onActivate));
        connect(window, &shell::ScreenWindow::activated, this, [this, window] { windowActivated(*window); });
        connect(window, &shell::ScreenWindow::closeRequested, this, &Program::end);
        if (m_ended)
            quieten(*window);
    }
    return *slot;
}

shell::frmSplash& Program::splash() {
    const bool first = !m_splash;
    auto& splash = made(m_splash, {});
    if (first) {
        connect(&splash, &shell::frmSplash::finished, this, [this] {
            hide(*m_splash);
            showOnNextTurn(choose());
        });
    }
    return splash;
}

shell::frmChoose& Program::choose() {
    const bool first = !m_choose;
    auto& choose = made(m_choose, [this] { m_choose->refresh(); });
    if (first) {
        connect(&choose, &shell::frmChoose::proceed, this, [this](const QString& sign, bool music) {
            m_state.userSign = sign;
            go(*m_choose, personal());
            // The music follows the box only now, after the personal screen is up.
            if (music)
                m_music->start();
            else
                m_music->stop();
        });
        connect(&choose, &shell::frmChoose::exitRequested, this, &Program::end);
    }
    return choose;
}

personal::frmPersonal& Program::personal() {
    const bool first = !m_personal;
    auto& personal = made(m_personal, [this] { m_personal->showReading(m_state.userSign); });
    if (first) {
        connect(&personal, &personal::frmPersonal::moreOnLove, this, [this] {
            hide(*m_personal);
            // The partner screen starts afresh on every entry.
            moreinfo().reset();
            show(*m_moreinfo);
        });
        connect(&personal, &personal::frmPersonal::mainMenu, this, [this] { go(*m_personal, choose()); });
        connect(&personal, &personal::frmPersonal::about, this, &Program::showAbout);
        connect(&personal, &personal::frmPersonal::exitRequested, this, &Program::end);
        report::attachReportCommands(personal, personal.keepButton(), personal.pane(),
                                     [this] { return report::personalReport(m_state.userSign); });
    }
    return personal;
}

compat::frmMoreinfo& Program::moreinfo() {
    const bool first = !m_moreinfo;
    auto& moreinfo = made(m_moreinfo, [this] { m_moreinfo->refresh(); });
    if (first) {
        connect(&moreinfo, &compat::frmMoreinfo::proceed, this, [this](const QString& gender, const QString& sign) {
            m_state.partnerGender = gender;
            m_state.partnerSign = sign;
            go(*m_moreinfo, processing());
            // Showing it started the count and showed 0; the count starts once more from 0.
            m_state.progressCount = 0;
            m_processing->startCount();
            progressTick();
        });
        connect(&moreinfo, &compat::frmMoreinfo::cancelled, this, [this] { go(*m_moreinfo, personal()); });
    }
    return moreinfo;
}

compat::frmProcessing& Program::processing() {
    const bool first = !m_processing;
    auto& processing = made(m_processing, [this] {
        m_state.progressCount = 0;
        m_processing->startCount();
        progressTick();
    });
    if (first)
        connect(&processing, &compat::frmProcessing::tick, this, &Program::progressTick);
    return processing;
}

// One step of the count: the tick after 100 hands over to the love analysis.
void Program::progressTick() {
    const qint16 count = m_state.progressCount;
    if (count > 100) {
        m_processing->stopCount();
        hide(*m_processing); // hidden, never closed: the screen stays for the next run
        showOnNextTurn(love());
        return;
    }
    m_processing->showCount(count);
    m_state.progressCount = static_cast<qint16>(count + 1);
}

compat::frmLove& Program::love() {
    const bool first = !m_love;
    auto& love = made(m_love, [this] {
        m_love->showCouple(m_state.userSign, m_state.partnerSign, m_state.partnerGender);
    });
    if (first) {
        connect(&love, &compat::frmLove::personalAnalysis, this, [this] { go(*m_love, personal()); });
        connect(&love, &compat::frmLove::mainMenu, this, [this] { go(*m_love, choose()); });
        connect(&love, &compat::frmLove::about, this, &Program::showAbout);
        connect(&love, &compat::frmLove::exitRequested, this, &Program::end);
        report::attachReportCommands(love, love.keepButton(), love.pane(), [this] {
            return report::coupleReport(m_state.userSign, m_state.partnerSign, m_state.partnerGender);
        });
    }
    return love;
}

// The About box opens over the analysis screen and is made afresh every time it was closed.
about::frmAbout& Program::about() {
    if (!m_about) {
        m_about = std::make_unique<about::frmAbout>(*m_services.system, *m_services.links);
        about::frmAbout* box = m_about.get();
        m_onActivate.insert(box, {});
        connect(box, &shell::ScreenWindow::activated, this, [this, box] { windowActivated(*box); });
        connect(box, &about::frmAbout::closed, this, &Program::closeAbout);
        if (m_ended)
            quieten(*box);
    }
    return *m_about;
}

void Program::showAbout() { show(about()); }

QList<shell::ScreenWindow*> Program::screens() {
    return {&splash(), &choose(), &personal(), &moreinfo(), &processing(), &love(), &about()};
}

void Program::closeAbout() {
    if (!m_about)
        return;
    about::frmAbout& box = *m_about;
    quieten(box);
    hide(box); // hands the activation to the screen beneath
    m_onActivate.remove(&box);
    m_history.erase(std::remove(m_history.begin(), m_history.end(), &box), m_history.end());
    m_about.release()->deleteLater(); // it may be in the middle of its OK button's click
}

void Program::show(shell::ScreenWindow& window) {
    if (m_ended)
        return;
    window.show();
    window.raise();
    window.activateWindow();
    m_pending = &window;
    m_pendingSince.start();
    activate(window);
}

// For hand-overs that should not hold up one turn of the event loop: the first showing of a
// screen is two stretches of several milliseconds (making the window, then showing and
// activating it). The window is made now and shown on the next turn.
void Program::showOnNextTurn(shell::ScreenWindow& window) {
    window.winId();
    QTimer::singleShot(0, this, [this, target = QPointer<shell::ScreenWindow>(&window)] {
        if (target)
            show(*target);
    });
}

void Program::go(shell::ScreenWindow& from, shell::ScreenWindow& to) {
    hide(from);
    show(to);
}

void Program::hide(shell::ScreenWindow& window) {
    if (window.isVisible()) {
        window.hide();
        // A hidden screen keeps its controls but not its window's pixels: a screen's drawing
        // memory is about a megabyte, and the road hides four of them.
        window.releaseNativeWindow();
    }
    if (m_pending == &window)
        m_pending = nullptr;
    if (m_active != &window)
        return;
    m_active = nullptr;
    if (m_ended)
        return;
    // The window system hands the activation to the window beneath; so does the program.
    for (auto it = m_history.rbegin(); it != m_history.rend(); ++it) {
        if ((*it)->isVisible()) {
            shell::ScreenWindow& beneath = **it;
            beneath.activateWindow();
            m_pending = &beneath;
            m_pendingSince.start();
            activate(beneath);
            return;
        }
    }
}

void Program::windowActivated(shell::ScreenWindow& window) {
    if (m_ended || !window.isVisible())
        return;
    if (m_pending) {
        const bool stale = m_pending != &window && !m_pendingSince.hasExpired(kActivationGraceMs);
        if (m_pending == &window || !stale)
            m_pending = nullptr;
        if (stale)
            return;
    }
    // The user came to this screen from another window of the program; coming back from
    // another program to the screen that was active runs nothing.
    activate(window);
}

void Program::activate(shell::ScreenWindow& window) {
    if (m_ended || m_active == &window)
        return;
    m_active = &window;
    m_history.erase(std::remove(m_history.begin(), m_history.end(), &window), m_history.end());
    m_history.push_back(&window);
    if (const auto& rule = m_onActivate.value(&window))
        rule();
}
