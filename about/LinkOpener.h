#pragma once
// The About box's home-page address, which opens in the desktop's web browser on a click, or
// warns the user when nothing can open it.

#include <QString>

#include <functional>

class QWidget;

namespace about {

// Hands web addresses to whatever the desktop opens them with; tests hand a fake.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the address could not be handed over. A handler that can only tell a little
    // later that it gave up (no browser behind it) runs gaveUpLater then, on the user-interface
    // thread; never after open() has answered false.
    virtual bool open(const QString& url, std::function<void()> gaveUpLater) = 0;
};

LinkOpener& desktopLinkOpener();

// The project's home page, as the build was configured.
QString homePageAddress();

// Opens the home page, or shows "Error jumping to:" and the address, now or when the handler
// gives up (owner: the window beneath the message, if it is still there then).
void openHomePage(LinkOpener& links, QWidget* owner);

} // namespace about
