#pragma once
// The splash picture with the program's version. Its timer runs from the moment it is made;
// at its one tick the splash says it is done.

#include "shell/ScreenWindow.h"

#include <QTimer>
#include <memory>

namespace Ui {
class frmSplash;
}

namespace shell {

class frmSplash : public ScreenWindow {
    Q_OBJECT
public:
    static constexpr int SplashMs = 1500;

    frmSplash();
    ~frmSplash() override;

    QTimer& tmrSplash() { return m_tmrSplash; }

signals:
    void finished();

private:
    std::unique_ptr<Ui::frmSplash> ui;
    QTimer m_tmrSplash;
};

} // namespace shell
