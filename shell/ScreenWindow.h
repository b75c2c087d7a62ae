#pragma once
// The top-level window of a screen. It reports activation and closing to the screen framework,
// gives plain windows the default button (Enter) and cancel button (Esc) of dialogs, keeps a
// window without maximize from being maximized, and centres itself when first shown.

#include "shell/WindowKind.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace shell {

class Screen;

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Screen& screen, WindowKind kind);

    Screen& screen() const { return m_screen; }

    // Call after the controls are built: applies the window kind to the designed size and finds
    // the designed default button and the button marked with the "cancel" property.
    void adoptDesign();

    QPushButton* defaultButton() const { return m_default; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Gives a hidden window's native window and its drawing memory back to the window system;
    // the next show() makes them again. Everything else (controls, texts, position) stays.
    void releaseNativeWindow() { destroy(); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Screen& m_screen;
    WindowKind m_kind;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
    bool m_centred = false;
};

} // namespace shell
