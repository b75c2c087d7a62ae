#include "shell/frmSplash.h"

#include "ui_frmSplash.h"

#include "shell/Version.h"

namespace shell {

frmSplash::frmSplash() : ScreenWindow(WindowKind::Borderless), ui(std::make_unique<Ui::frmSplash>()) {
    ui->setupUi(this);
    adoptDesign();
    ui->Label1->setText(VersionText());
    m_tmrSplash.setSingleShot(true);
    connect(&m_tmrSplash, &QTimer::timeout, this, &frmSplash::finished);
    m_tmrSplash.start(SplashMs);
}

frmSplash::~frmSplash() = default;

} // namespace shell
