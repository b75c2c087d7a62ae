#pragma once
// The short "Calculating Compatibility . . ." display between the partner details and the love
// analysis: the count from 0 to 100, shown as a number and a bar. Its fast timer only ticks;
// whoever shows the screen keeps the count and says what each tick shows.

#include "shell/ScreenWindow.h"

#include <QTimer>
#include <memory>

namespace Ui {
class frmProcessing;
}

namespace compat {

class frmProcessing : public shell::ScreenWindow {
    Q_OBJECT
public:
    static constexpr int TickMs = 1;

    frmProcessing();
    ~frmProcessing() override;

    // Starting a running count leaves it running as it was.
    void startCount();
    void stopCount();
    void showCount(int count);

    QTimer& tmrPercent() { return m_tmrPercent; }

signals:
    void tick();

private:
    std::unique_ptr<Ui::frmProcessing> ui;
    QTimer m_tmrPercent;
};

} // namespace compat
