#include "compat/frmLove.h"

#include "ui_frmLove.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "report/ReportCommands.h"
#include "shell/Accessibility.h"
#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/Screens.h"
#include "shell/Version.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>

template class shell::FormScreen<Ui::frmLove>;

namespace compat {

namespace {
// A builder that finds no entry leaves the text as it was.
void keepBuilt(QString& field, std::optional<QString> built) {
    if (built)
        field = std::move(*built);
}
} // namespace

frmLove::frmLove() : FormScreen(QString::fromLatin1(shell::screenName<frmLove>), shell::WindowKind::SizableNoMaximize) {}

frmLove::~frmLove() = default;

void frmLove::connectHandlers() {
    connect(ui->Option1, &QRadioButton::clicked, this, &frmLove::Option1_Click);
    connect(ui->Option2, &QRadioButton::clicked, this, &frmLove::Option2_Click);
    connect(ui->Option3, &QRadioButton::clicked, this, &frmLove::Option3_Click);
    connect(ui->Option4, &QRadioButton::clicked, this, &frmLove::Option4_Click);
    connect(ui->Option5, &QRadioButton::clicked, this, &frmLove::Option5_Click);
    connect(ui->Command6, &QPushButton::clicked, this, &frmLove::Command6_Click);
    connect(ui->Command8, &QPushButton::clicked, this, &frmLove::Command8_Click);
    connect(ui->Command9, &QPushButton::clicked, this, &frmLove::Command9_Click);
    connect(ui->Command10, &QPushButton::clicked, this, &frmLove::Command10_Click);
    connect(ui->Label6, &shell::ClickableLabel::clicked, this, &frmLove::Label6_Click);
    connect(ui->Label8, &shell::ClickableLabel::clicked, this, &frmLove::Label8_Click);
    connect(ui->Label9, &shell::ClickableLabel::clicked, this, &frmLove::Label9_Click);
    connect(ui->Label10, &shell::ClickableLabel::clicked, this, &frmLove::Label10_Click);
    report::attachReportCommands(*window(), *ui->cmdKeep, *ui->txtContent, [] {
        const shell::AppState& state = shell::appState();
        return report::coupleReport(state.UserSign, state.PartnerSign, state.PartnerGender);
    });
}

void frmLove::Form_Load() {
    ensureLoaded();
    m_separator = textlayout::BlankLine();
}

void frmLove::Form_Activate() {
    ui->Option1->setChecked(true);
    Option1_Click();
    ui->Option1->setFocus();
    window()->setWindowTitle(shell::VersionCaption());

    const shell::AppState& state = shell::appState();
    //: The headline under "In Love With A ": the partner's sign, then " ...".
    ui->lblPartHoro->setText(
        QCoreApplication::translate("frmLove", "%1 ...").arg(state.PartnerSign));
    LoveRatingsText = BuildLoveRatingsText();
    if (zodiac::IsSignName(state.PartnerSign)) {
        if (zodiac::IsSignName(state.UserSign))
            keepBuilt(LoveMatchText, BuildLoveMatchText(state.UserSign, state.PartnerSign));
        keepBuilt(DosAndDontsText, BuildDosAndDontsText(state.PartnerSign));
        keepBuilt(DateGuideText, BuildDateGuideText(state.PartnerSign));
        if (zodiac::IsGenderWord(state.PartnerGender))
            keepBuilt(GiftGuideText, BuildGiftGuideText(state.PartnerSign, state.PartnerGender));
    }
    ShowLoveMatch();
}

// The pane is named after the topic it shows, for screen readers.
void frmLove::showText(const QString& text, const QAbstractButton& topic) {
    ui->txtContent->setText(text);
    shell::nameAfterTopic(*ui->txtContent, topic);
}

void frmLove::ShowLoveMatch() { showText(LoveMatchText, *ui->Option1); }

void frmLove::Option1_Click() { showText(LoveMatchText, *ui->Option1); }
void frmLove::Option2_Click() { showText(DosAndDontsText, *ui->Option2); }
void frmLove::Option3_Click() { showText(DateGuideText, *ui->Option3); }
void frmLove::Option4_Click() { showText(GiftGuideText, *ui->Option4); }
void frmLove::Option5_Click() { showText(LoveRatingsText, *ui->Option5); }

void frmLove::Command6_Click() {
    Hide();
    shell::screen<personal::frmPersonal>().Show();
}

void frmLove::Command8_Click() { shell::screen<about::frmAbout>().Show(); }

void frmLove::Command9_Click() { shell::ExitProgram(); }

void frmLove::Command10_Click() {
    Hide();
    shell::screen<shell::frmChoose>().Show();
}

// A click on a navigation label is a click on the button beside it.
void frmLove::Label6_Click() { Command6_Click(); }
void frmLove::Label8_Click() { Command8_Click(); }
void frmLove::Label9_Click() { Command9_Click(); }
void frmLove::Label10_Click() { Command10_Click(); }

void frmLove::Form_Unload() { shell::ExitProgram(); }

} // namespace compat
