#include "shell/Screens.h"

#include "shell/ExitProgram.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"

#include <QApplication>
#include <algorithm>

namespace shell {

namespace {
// A window the framework has just activated may report its activation late, after another
// screen was shown; such a stale report is ignored for this long.
constexpr qint64 kActivationGraceMs = 1000;
} // namespace

Screens& Screens::instance() {
    static Screens screens;
    return screens;
}

void Screens::registerScreen(const QString& name, Factory factory) {
    m_factories[name] = std::move(factory);
}

bool Screens::isRegistered(const QString& name) const { return m_factories.count(name) != 0; }

Screen& Screens::get(const QString& name) {
    auto found = m_screens.find(name);
    if (found != m_screens.end())
        return *found->second;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        qFatal("Screens::get: no screen %s was registered", qPrintable(name));
    auto created = factory->second();
    Q_ASSERT(created && created->name() == name);
    Screen& screen = *created;
    m_screens.emplace(name, std::move(created));
    return screen;
}

Screen* Screens::existing(const QString& name) const {
    const auto found = m_screens.find(name);
    return found == m_screens.end() ? nullptr : found->second.get();
}

void Screens::reset() {
    m_active = nullptr;
    m_pending = nullptr;
    m_history.clear();
    m_screens.clear();
    m_factories.clear();
}

void Screens::activate(Screen& screen) {
    if (m_active == &screen)
        return;
    m_active = &screen;
    m_history.erase(std::remove(m_history.begin(), m_history.end(), &screen), m_history.end());
    m_history.push_back(&screen);
    screen.Form_Activate();
}

void Screens::shown(Screen& screen) {
    m_pending = &screen;
    m_pendingSince.start();
    activate(screen);
}

void Screens::windowActivated(Screen& screen) {
    if (ProgramEnd::ended() || !screen.isVisible())
        return;
    if (m_pending) {
        const bool stale = m_pending != &screen && !m_pendingSince.hasExpired(kActivationGraceMs);
        if (m_pending == &screen || !stale)
            m_pending = nullptr;
        if (stale)
            return;
    }
    // The user came to this screen from another window of the program; coming back from
    // another program to the screen that was active runs nothing.
    activate(screen);
}

Screen* Screens::screenBeneath() const {
    for (auto it = m_history.rbegin(); it != m_history.rend(); ++it) {
        if ((*it)->isVisible())
            return *it;
    }
    return nullptr;
}

void Screens::hidden(Screen& screen) {
    if (m_pending == &screen)
        m_pending = nullptr;
    if (m_active != &screen)
        return;
    m_active = nullptr;
    if (ProgramEnd::ended())
        return;
    // The window system hands the activation to the window beneath; so does the framework.
    if (Screen* beneath = screenBeneath()) {
        beneath->window()->activateWindow();
        m_pending = beneath;
        m_pendingSince.start();
        activate(*beneath);
    }
}

} // namespace shell
