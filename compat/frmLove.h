#pragma once
// The love analysis of the couple: the partner's sign as a headline, five topics as option
// buttons, and the chosen topic's text in the pane. It is handed the couple each time it
// becomes the active screen, rebuilds all five texts then and starts again on "Love Match"; a
// topic only shows its stored text.

#include "shell/ScreenWindow.h"

#include <array>
#include <memory>

class QRadioButton;
class QToolButton;

namespace shell {
class TextPane;
}

namespace Ui {
class frmLove;
}

namespace compat {

class frmLove : public shell::ScreenWindow {
    Q_OBJECT
public:
    frmLove();
    ~frmLove() override;

    // A name that is not exactly a sign's (or a gender word) keeps the texts built from it before.
    void showCouple(const QString& userSign, const QString& partnerSign, const QString& partnerGender);

    // Where the commands that keep the reading go: the Keep control and the pane.
    QToolButton& keepButton() const;
    shell::TextPane& pane() const;

signals:
    void personalAnalysis();
    void mainMenu();
    void about();
    void exitRequested();

private:
    std::array<QRadioButton*, 5> topics() const;
    void showTopic(std::size_t topic);

    std::unique_ptr<Ui::frmLove> ui;
    std::array<QString, 5> m_texts;
};

} // namespace compat
