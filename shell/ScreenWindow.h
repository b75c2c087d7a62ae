#pragma once
// The top-level window every screen of the program is made of. It says when the window system
// makes it the active window and when the user asks to close it (the window itself never just
// closes: whoever shows it decides what closing means), gives plain windows the default button
// (Enter) and cancel button (Esc) of dialogs, keeps a window without maximize from being
// maximized, and centres itself when first shown.

#include "shell/ClickableLabel.h"
#include "shell/WindowKind.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace shell {

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(WindowKind kind);

    QPushButton* defaultButton() const { return m_default; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Gives a hidden window's native window and its drawing memory back to the window system;
    // the next show() makes them again. Everything else (controls, texts, position) stays.
    void releaseNativeWindow() { destroy(); }

signals:
    void activated();
    void closeRequested();

protected:
    // Call after the form's controls are built: applies the window kind to the designed size
    // and finds the designed default button and the button marked with the "cancel" property.
    void adoptDesign();

    // A click on a navigation label is a click on the button beside it: both emit `signal`.
    template <class Screen>
    void navigation(QAbstractButton* button, ClickableLabel* label, void (Screen::*signal)()) {
        auto* screen = static_cast<Screen*>(this);
        connect(button, &QAbstractButton::clicked, screen, signal);
        connect(label, &ClickableLabel::clicked, screen, signal);
    }

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    WindowKind m_kind;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
    bool m_centred = false;
};

} // namespace shell
