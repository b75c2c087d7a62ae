#pragma once
// The personal analysis: the banner of the user's sign and seven topics. Every time it becomes
// the active screen it rebuilds the six topic texts for the current sign and starts again on
// the Introduction; choosing a topic only shows the text already built.

#include "shell/Screen.h"

#include <QString>

class QAbstractButton;

namespace Ui {
class frmPersonal;
}

extern template class shell::FormScreen<Ui::frmPersonal>;

namespace personal {

class frmPersonal : public shell::FormScreen<Ui::frmPersonal> {
    Q_OBJECT
public:
    frmPersonal();
    ~frmPersonal() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Command10_Click();
    void Label10_Click();
    void Command8_Click();
    void Label8_Click();
    void Command9_Click();
    void Label9_Click();

protected:
    void connectHandlers() override;

private:
    void ShowIntroduction();
    void showText(const QString& text, const QAbstractButton& topic);

    QString IntroductionText;
    QString HouseText;
    QString QualityText;
    QString PlanetText;
    QString ElementText;
    QString RelationshipText;
    // The empty row between paragraphs, as the topic texts are built with it.
    QString BlankLine;
};

} // namespace personal
