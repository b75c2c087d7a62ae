#pragma once
// The sign chooser, which serves as the main menu: the user picks or types their sun sign,
// sees its birthday range, chooses whether background music plays, and goes on to the
// personal analysis. Made once; afterwards only hidden and shown, keeping what the user set.

#include "shell/ScreenWindow.h"

#include <memory>

namespace Ui {
class frmChoose;
}

namespace shell {

class frmChoose : public ScreenWindow {
    Q_OBJECT
public:
    frmChoose();
    ~frmChoose() override;

    // Each time it becomes the active screen: caption, birthday range, focus on the sign box.
    void refresh();
    // The music box reads as ticked only when it is exactly ticked.
    bool musicBoxTicked() const;

signals:
    // A valid sign name, and whether the music box is ticked.
    void proceed(const QString& sign, bool music);
    void exitRequested();

private:
    void cboHoro_Click();
    void Command1_Click();

    std::unique_ptr<Ui::frmChoose> ui;
};

} // namespace shell
