#pragma once
// The sign chooser, which serves as the main menu: the user picks or types their sun sign,
// sees its birthday range, chooses whether background music plays, and goes on to the
// personal analysis. Loaded once; afterwards only hidden and shown.

#include "shell/Screen.h"

namespace Ui {
class frmChoose;
}

extern template class shell::FormScreen<Ui::frmChoose>;

namespace shell {

class frmChoose : public FormScreen<Ui::frmChoose> {
    Q_OBJECT
public:
    frmChoose();
    ~frmChoose() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void cboHoro_Click();
    void Command1_Click();
    void Command2_Click();

    // The music box reads as ticked only when it is exactly ticked.
    bool musicBoxTicked() const;

signals:
    // Proceed has shown the personal screen; the music follows the box.
    void proceeded(bool musicBoxTicked);

protected:
    void connectHandlers() override;
};

} // namespace shell
