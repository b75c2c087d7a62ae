#pragma once
// The partner details: the partner's gender and sun sign, read as one sentence ("He is a
// Aries"), checked and stored before the compatibility display. Every entry from the personal
// analysis resets the screen through its public Form_Load.

#include "shell/Screen.h"

namespace Ui {
class frmMoreinfo;
}

extern template class shell::FormScreen<Ui::frmMoreinfo>;

namespace compat {

class frmMoreinfo : public shell::FormScreen<Ui::frmMoreinfo> {
    Q_OBJECT
public:
    frmMoreinfo();
    ~frmMoreinfo() override;

    // The reset; other screens call it directly (it loads the screen first if need be).
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void cboHoro_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void connectHandlers() override;
};

} // namespace compat
