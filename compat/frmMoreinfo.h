#pragma once
// The partner details: the partner's gender and sun sign, read as one sentence ("He is a
// Aries"), checked before the compatibility display. The screen is reset on every entry.

#include "shell/ScreenWindow.h"

#include <memory>

namespace Ui {
class frmMoreinfo;
}

namespace compat {

class frmMoreinfo : public shell::ScreenWindow {
    Q_OBJECT
public:
    frmMoreinfo();
    ~frmMoreinfo() override;

    // Back to "He" and "Aries", no birthday range.
    void reset();
    // Each time it becomes the active screen: caption and birthday range.
    void refresh();

signals:
    // A valid gender word and sign name.
    void proceed(const QString& gender, const QString& sign);
    void cancelled();
    void exitRequested();

private:
    void cboHoro_Click();
    void Command1_Click();

    std::unique_ptr<Ui::frmMoreinfo> ui;
};

} // namespace compat
