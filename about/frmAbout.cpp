#include "about/frmAbout.h"

#include "ui_frmAbout.h"

#include "shell/FormScreenImpl.h"
#include "shell/ScreenTypes.h"

#include <QCoreApplication>

template class shell::FormScreen<Ui::frmAbout>;

namespace about {

frmAbout::frmAbout()
    : FormScreen(QString::fromLatin1(shell::screenName<frmAbout>), shell::WindowKind::FixedDialog),
      m_system(&desktopSystem()), m_links(&desktopLinkOpener()) {}

frmAbout::~frmAbout() = default;

void frmAbout::setServices(SystemServices& system, LinkOpener& links) {
    m_system = &system;
    m_links = &links;
}

QString frmAbout::versionLine(const shell::VersionNumbers& version) {
    return QCoreApplication::translate("frmAbout", "Version %1").arg(shell::versionText(version));
}

void frmAbout::connectHandlers() {
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(ui->Label1, &shell::ClickableLabel::clicked, this, &frmAbout::Label1_Click);
}

void frmAbout::Form_Load() {
    ui->Label1->setText(homePageAddress());
    ui->cmdOK->setFocus();
}

void frmAbout::Form_Activate() { ui->lblVersion->setText(versionLine(shell::programVersion())); }

void frmAbout::cmdOK_Click() { Unload(); }

void frmAbout::cmdSysInfo_Click() { startSystemInfo(*m_system, window()); }

void frmAbout::Label1_Click() { openHomePage(*m_links, window()); }

} // namespace about
