#pragma once
// The splash picture with the program's version; after one tick of its timer it gives way to
// the sign chooser and is never shown again.

#include "shell/Screen.h"

#include <QTimer>

namespace Ui {
class frmSplash;
}

extern template class shell::FormScreen<Ui::frmSplash>;

namespace shell {

class frmSplash : public FormScreen<Ui::frmSplash> {
    Q_OBJECT
public:
    static constexpr int SplashMs = 1500;

    frmSplash();
    ~frmSplash() override;

    void Form_Activate() override;
    void tmrSplash_Timer();

    QTimer& tmrSplash() { return m_tmrSplash; }
    QString versionLabel() const;

protected:
    void connectHandlers() override;

private:
    QTimer m_tmrSplash;
};

} // namespace shell
