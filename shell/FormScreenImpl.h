#pragma once
// Member definitions of FormScreen; include after the form's generated header.

#include "shell/Screen.h"
#include "shell/ScreenWindow.h"

template <class Ui>
shell::FormScreen<Ui>::~FormScreen() {
    // Destroy the window while this screen's handlers can still be told.
    Unload();
}

template <class Ui>
void shell::FormScreen<Ui>::buildWindow(ScreenWindow& window) {
    ui = std::make_unique<Ui>();
    ui->setupUi(&window);
    window.adoptDesign();
    connectHandlers();
}

template <class Ui>
void shell::FormScreen<Ui>::releaseWindow() {
    ui.reset();
}
