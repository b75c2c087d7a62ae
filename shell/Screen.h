#pragma once
// A screen of the program: one behaviour object per screen for the whole run, whose window and
// controls exist while the screen is loaded. Loading builds the window and runs Form_Load;
// Form_Activate runs each time the screen becomes the program's active screen; closing the
// window by its frame runs Form_Unload and unloads the screen.

#include "shell/WindowKind.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace shell {

class ScreenWindow;

class Screen : public QObject {
    Q_OBJECT
public:
    Screen(QString name, WindowKind kind);
    ~Screen() override;

    const QString& name() const { return m_name; }
    WindowKind kind() const { return m_kind; }

    // Loads if needed, makes the window visible and the program's active screen (running
    // Form_Activate at once when it was not the active one), then returns.
    void Show();
    // Loads if needed and makes the window now, and shows the screen on the next turn of the
    // event loop, after `before` (if any). For hand-overs between screens: the first showing
    // of a screen is two stretches of several milliseconds (making the window, then showing
    // and activating it), which one turn of the event loop should not carry together.
    void ShowOnNextTurn(std::function<void()> before = {});
    // Makes the window invisible; the screen stays loaded and keeps its state.
    void Hide();
    // Destroys the window and its controls; the next Show loads afresh.
    void Unload();
    // Loads the screen without showing it, as a direct call of a public handler does first.
    void ensureLoaded();

    bool isLoaded() const { return m_window != nullptr; }
    bool isVisible() const;
    ScreenWindow* window() const { return m_window.get(); }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

protected:
    // Builds the controls on the freshly made window and connects the handlers.
    virtual void buildWindow(ScreenWindow& window) = 0;
    // Forgets the controls of a window about to be destroyed.
    virtual void releaseWindow() = 0;

private:
    friend class ScreenWindow;
    void closeRequested();

    QString m_name;
    WindowKind m_kind;
    std::unique_ptr<ScreenWindow> m_window;
};

// A screen whose controls come from a Designer form. Its members are defined in
// FormScreenImpl.h and instantiated once, in the screen's own source file, where the form's
// generated class is complete; the screen's header declares that instantiation extern.
template <class Ui>
class FormScreen : public Screen {
public:
    using Screen::Screen;
    ~FormScreen() override;

protected:
    std::unique_ptr<Ui> ui;

    virtual void connectHandlers() = 0;

private:
    void buildWindow(ScreenWindow& window) final;
    void releaseWindow() final;
};

} // namespace shell
