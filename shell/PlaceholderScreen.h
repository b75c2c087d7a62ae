#pragma once
// A screen whose controls are not built yet: an empty window that carries the version caption
// and ends the program when closed, as the main screens do.

#include "shell/Screen.h"

namespace shell {

class PlaceholderScreen : public Screen {
    Q_OBJECT
public:
    explicit PlaceholderScreen(QString name);

    void Form_Activate() override;
    void Form_Unload() override;

protected:
    void buildWindow(ScreenWindow& window) override;
    void releaseWindow() override {}
};

} // namespace shell
