#include "shell/frmSplash.h"

#include "ui_frmSplash.h"

#include "shell/FormScreenImpl.h"
#include "shell/Screens.h"
#include "shell/Version.h"

template class shell::FormScreen<Ui::frmSplash>;

namespace shell {

frmSplash::frmSplash() : FormScreen(QString::fromLatin1(shell::screenName<frmSplash>), WindowKind::Borderless) {
    m_tmrSplash.setInterval(SplashMs);
    connect(&m_tmrSplash, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);
}

frmSplash::~frmSplash() = default;

void frmSplash::connectHandlers() {
    // The timer runs from the moment the splash loads.
    m_tmrSplash.start();
}

void frmSplash::Form_Activate() { ui->Label1->setText(VersionText()); }

QString frmSplash::versionLabel() const { return ui ? ui->Label1->text() : QString(); }

void frmSplash::tmrSplash_Timer() {
    m_tmrSplash.stop();
    Hide();
    screen<frmChoose>().ShowOnNextTurn();
}

} // namespace shell
