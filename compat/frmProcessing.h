#pragma once
// The short "Calculating Compatibility . . ." display between the partner details and the love
// analysis: a fast timer counts AppState.ProgressCount from 0 to 100, shown as a number and a
// bar, and the tick after 100 hands over to the love analysis screen.

#include "shell/Screen.h"

#include <QTimer>

namespace Ui {
class frmProcessing;
}

extern template class shell::FormScreen<Ui::frmProcessing>;

namespace compat {

class frmProcessing : public shell::FormScreen<Ui::frmProcessing> {
    Q_OBJECT
public:
    static constexpr int TickMs = 1;

    frmProcessing();
    ~frmProcessing() override;

    void Form_Activate() override;
    void Form_Unload() override;
    // One progress tick; also called directly by the partner screen.
    void tmrPercent_Timer();

    QTimer& tmrPercent() { return m_tmrPercent; }
    // Enabling an enabled timer leaves it running as it was.
    void enableTimer();

    QString percentLabel() const;
    int barValue() const;

signals:
    // A tick has just put this count on the screen.
    void percentShown(int count);

protected:
    void connectHandlers() override;

private:
    void handOver();

    QTimer m_tmrPercent;
};

} // namespace compat
