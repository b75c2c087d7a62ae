#pragma once
// The love analysis of the couple: the partner's sign as a headline, five topics as option
// buttons, and the chosen topic's text in the pane. Every activation rebuilds all five texts
// from AppState and starts again on "Love Match"; a topic only copies its stored text.

#include "shell/Screen.h"

class QAbstractButton;

namespace Ui {
class frmLove;
}

extern template class shell::FormScreen<Ui::frmLove>;

namespace compat {

class frmLove : public shell::FormScreen<Ui::frmLove> {
    Q_OBJECT
public:
    frmLove();
    ~frmLove() override;

    // Public: the progress screen calls it before every showing (it loads the screen first).
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Label6_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();

protected:
    void connectHandlers() override;

private:
    void ShowLoveMatch();
    void showText(const QString& text, const QAbstractButton& topic);

    QString m_separator;
    QString LoveMatchText;
    QString DosAndDontsText;
    QString DateGuideText;
    QString GiftGuideText;
    QString LoveRatingsText;
};

} // namespace compat
