#pragma once
// The personal analysis: the banner of the user's sign and seven topics. It is handed the sign
// each time it becomes the active screen, rebuilds the six topic texts then and starts again on
// the Introduction; choosing a topic only shows the text already built. The seventh topic,
// "More on love", leads on to the partner's details.

#include "shell/ScreenWindow.h"

#include <QString>
#include <array>
#include <memory>

class QRadioButton;
class QToolButton;

namespace shell {
class TextPane;
}

namespace Ui {
class frmPersonal;
}

namespace personal {

class frmPersonal : public shell::ScreenWindow {
    Q_OBJECT
public:
    frmPersonal();
    ~frmPersonal() override;

    // A name that is not exactly a sign's keeps the texts built before.
    void showReading(const QString& sign);

    // Where the commands that keep the reading go: the Keep control and the pane.
    QToolButton& keepButton() const;
    shell::TextPane& pane() const;

signals:
    void moreOnLove();
    void mainMenu();
    void about();
    void exitRequested();

private:
    std::array<QRadioButton*, 6> topics() const;
    void showTopic(std::size_t topic);

    std::unique_ptr<Ui::frmPersonal> ui;
    std::array<QString, 6> m_texts;
};

} // namespace personal
