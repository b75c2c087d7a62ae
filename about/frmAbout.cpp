#include "about/frmAbout.h"

#include "ui_frmAbout.h"

#include "about/HyperLink.h"
#include "about/SystemInfo.h"

#include <QCoreApplication>

namespace about {

frmAbout::frmAbout(SystemServices& system, LinkOpener& links)
    : ScreenWindow(shell::WindowKind::FixedDialog), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    adoptDesign();
    ui->lblVersion->setText(versionLine(shell::programVersion()));
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::closed);
    connect(this, &ScreenWindow::closeRequested, this, &frmAbout::closed);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, [this, &system] { StartSysInfo(system, this); });
    connect(ui->Label1, &shell::ClickableLabel::clicked, this, [this, &links] {
        CHYPERLINK link(links, this);
        link.ExecuteLink(homePageAddress());
    });
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

QString frmAbout::homePageAddress() { return QStringLiteral("https://zelvoria.example.org/"); }

QString frmAbout::versionLine(const shell::VersionNumbers& version) {
    return QCoreApplication::translate("frmAbout", "Version %1").arg(shell::versionText(version));
}

} // namespace about
