#pragma once
// Member definitions of FormScreen; include after the form's generated header.

#include "shell/Screen.h"
#include "shell/ScreenWindow.h"

namespace shell {

template <class Ui>
FormScreen<Ui>::~FormScreen() {
    // The screen class that connected the handlers is gone already: hiding the window on the
    // way out (a combo box losing the focus, say) must not call them.
    if (ScreenWindow* window = this->window()) {
        const auto objects = window->findChildren<QObject*>();
        for (QObject* object : objects)
            QObject::disconnect(object, nullptr, this, nullptr);
    }
    // Destroy the window while this screen's handlers can still be told.
    Unload();
}

template <class Ui>
void FormScreen<Ui>::buildWindow(ScreenWindow& window) {
    ui = std::make_unique<Ui>();
    ui->setupUi(&window);
    window.adoptDesign();
    connectHandlers();
}

template <class Ui>
void FormScreen<Ui>::releaseWindow() {
    ui.reset();
}

} // namespace shell
