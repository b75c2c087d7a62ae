#pragma once
// The About screen: title, version, photo, dedication and credits, a button that starts the
// system's information tool, and the program's home-page address, which opens on a click.
// Opened modeless over an analysis screen; OK and the close box close it.

#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "shell/ScreenWindow.h"
#include "shell/Version.h"

#include <memory>

namespace Ui {
class frmAbout;
}

namespace about {

class frmAbout : public shell::ScreenWindow {
    Q_OBJECT
public:
    frmAbout(SystemServices& system, LinkOpener& links);
    ~frmAbout() override;

    // "Version " and the version numbers: "Version 3.1.0".
    static QString versionLine(const shell::VersionNumbers& version);

signals:
    void closed();

private:
    std::unique_ptr<Ui::frmAbout> ui;
};

} // namespace about
