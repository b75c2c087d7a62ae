#include "compat/frmProcessing.h"

#include "ui_frmProcessing.h"

#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/Screens.h"

template class shell::FormScreen<Ui::frmProcessing>;

namespace compat {

using shell::appState;

frmProcessing::frmProcessing()
    : FormScreen(QString::fromLatin1(shell::screenName<frmProcessing>), shell::WindowKind::FixedSingle) {
    m_tmrPercent.setInterval(TickMs);
    m_tmrPercent.setTimerType(Qt::PreciseTimer);
    connect(&m_tmrPercent, &QTimer::timeout, this, &frmProcessing::tmrPercent_Timer);
}

frmProcessing::~frmProcessing() = default;

void frmProcessing::connectHandlers() {
    // The timer runs from the moment the screen loads.
    m_tmrPercent.start();
}

void frmProcessing::enableTimer() {
    if (!m_tmrPercent.isActive())
        m_tmrPercent.start();
}

void frmProcessing::Form_Activate() {
    appState().ProgressCount = 0;
    enableTimer();
    appState().ProgressCount = 0;
    tmrPercent_Timer();
}

void frmProcessing::tmrPercent_Timer() {
    if (shell::ProgramEnd::ended())
        return;
    ensureLoaded();
    if (!ui)
        return;
    const qint16 count = appState().ProgressCount;
    if (count > 100) {
        handOver();
        return;
    }
    ui->lblPercent->setText(QString::number(count));
    ui->ProgressBar1->setValue(count);
    appState().ProgressCount = static_cast<qint16>(count + 1);
    emit percentShown(count);
}

void frmProcessing::handOver() {
    m_tmrPercent.stop();
    Hide(); // hidden, never closed: the screen stays loaded for the next run
    shell::Screen& love = shell::screen<frmLove>();
    love.ShowOnNextTurn([&love] { love.Form_Load(); });
}

// The counting cannot go on without this window, and every other main window of the program
// ends it when closed; so does this one, rather than leaving the user with no window at all.
void frmProcessing::Form_Unload() {
    m_tmrPercent.stop();
    shell::ExitProgram();
}

QString frmProcessing::percentLabel() const { return ui ? ui->lblPercent->text() : QString(); }

int frmProcessing::barValue() const { return ui ? ui->ProgressBar1->value() : -1; }

} // namespace compat
