#include "about/frmAbout.h"

#include "ui_frmAbout.h"


#include <QCoreApplication>

namespace about {

frmAbout::frmAbout(SystemServices& system, LinkOpener& links)
    : ScreenWindow(shell::WindowKind::FixedDialog), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    adoptDesign();
    ui->lblVersion->setText(versionLine(shell::programVersion()));
    ui->Label1->setText(homePageAddress());
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::closed);
    connect(this, &ScreenWindow::closeRequested, this, &frmAbout::closed);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, [this, &system] { startSystemInfo(system, this); });
    connect(ui->Label1, &shell::ClickableLabel::clicked, this, [this, &links] { openHomePage(links, this); });
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

QString frmAbout::versionLine(const shell::VersionNumbers& version) {
    return QCoreApplication::translate("frmAbout", "Version %1").arg(shell::versionText(version));
}

} // namespace about
