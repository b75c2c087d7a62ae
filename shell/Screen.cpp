#include "shell/Screen.h"

#include "shell/ExitProgram.h"
#include "shell/ScreenWindow.h"
#include "shell/Screens.h"

#include <QTimer>

namespace shell {

Screen::Screen(QString name, WindowKind kind) : m_name(std::move(name)), m_kind(kind) {}

// A screen with controls of its own unloads in its own destructor, while it can still forget them.
Screen::~Screen() = default;

bool Screen::isVisible() const { return m_window && m_window->isVisible(); }

void Screen::ensureLoaded() {
    if (m_window || ProgramEnd::ended())
        return;
    m_window = std::make_unique<ScreenWindow>(*this, m_kind);
    m_window->setObjectName(m_name);
    buildWindow(*m_window);
    Form_Load();
}

void Screen::Show() {
    if (ProgramEnd::ended())
        return;
    ensureLoaded();
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    Screens::instance().shown(*this);
}

void Screen::ShowOnNextTurn(std::function<void()> before) {
    ensureLoaded();
    if (m_window)
        m_window->winId();
    QTimer::singleShot(0, this, [this, before = std::move(before)] {
        if (ProgramEnd::ended())
            return;
        if (before)
            before();
        Show();
    });
}

void Screen::Hide() {
    if (!m_window || !m_window->isVisible())
        return;
    m_window->hide();
    // A hidden screen keeps its controls but not its window's pixels: a screen's drawing memory
    // is about a megabyte, and the road hides four of them.
    m_window->releaseNativeWindow();
    Screens::instance().hidden(*this);
}

void Screen::Unload() {
    if (!m_window)
        return;
    const bool wasVisible = m_window->isVisible();
    m_window->hide();
    releaseWindow();
    m_window.reset();
    if (wasVisible)
        Screens::instance().hidden(*this);
}

void Screen::closeRequested() {
    if (ProgramEnd::ended())
        return;
    Form_Unload();
    if (!ProgramEnd::ended())
        Unload();
}

} // namespace shell
