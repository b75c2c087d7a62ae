#pragma once
// The About screen: title, version, photo, dedication and credits, a button that starts the
// system's information tool, and the program's home-page address, which opens on a click.
// Opened modeless over an analysis screen; OK and the close box unload it.

#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "shell/Screen.h"
#include "shell/Version.h"

namespace Ui {
class frmAbout;
}

extern template class shell::FormScreen<Ui::frmAbout>;

namespace about {

class frmAbout : public shell::FormScreen<Ui::frmAbout> {
    Q_OBJECT
public:
    frmAbout();
    ~frmAbout() override;

    // The services the screen's actions use; the platform's own unless replaced.
    void setServices(SystemServices& system, LinkOpener& links);

    // "Version " and the version numbers: "Version 3.1.0".
    static QString versionLine(const shell::VersionNumbers& version);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label1_Click();

protected:
    void connectHandlers() override;

private:
    SystemServices* m_system;
    LinkOpener* m_links;
};

} // namespace about
