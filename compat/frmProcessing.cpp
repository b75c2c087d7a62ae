#include "compat/frmProcessing.h"

#include "ui_frmProcessing.h"

namespace compat {

frmProcessing::frmProcessing()
    : ScreenWindow(shell::WindowKind::FixedSingle), ui(std::make_unique<Ui::frmProcessing>()) {
    ui->setupUi(this);
    adoptDesign();
    m_tmrPercent.setInterval(TickMs);
    m_tmrPercent.setTimerType(Qt::PreciseTimer);
    connect(&m_tmrPercent, &QTimer::timeout, this, &frmProcessing::tick);
}

frmProcessing::~frmProcessing() = default;

void frmProcessing::startCount() {
    if (!m_tmrPercent.isActive())
        m_tmrPercent.start();
}

void frmProcessing::stopCount() { m_tmrPercent.stop(); }

void frmProcessing::showCount(int count) {
    ui->lblPercent->setText(QString::number(count));
    ui->ProgressBar1->setValue(count);
}

} // namespace compat
