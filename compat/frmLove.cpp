#include "compat/frmLove.h"

#include "ui_frmLove.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/Screens.h"
#include "shell/Version.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

template class shell::FormScreen<Ui::frmLove>;

namespace compat {

namespace {
// A builder that finds no entry leaves the text as it was.
void keepBuilt(QString& field, std::optional<QString> built) {
    if (built)
        field = std::move(*built);
}
} // namespace

frmLove::frmLove() : FormScreen(QString::fromLatin1(ScreenName), shell::WindowKind::SizableNoMaximize) {}

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
    // A click on a navigation label is a click on the button beside it.
    connect(ui->Label6, &shell::ClickableLabel::clicked, this, &frmLove::Command6_Click);
    connect(ui->Label8, &shell::ClickableLabel::clicked, this, &frmLove::Command8_Click);
    connect(ui->Label9, &shell::ClickableLabel::clicked, this, &frmLove::Command9_Click);
    connect(ui->Label10, &shell::ClickableLabel::clicked, this, &frmLove::Command10_Click);
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
    ui->lblPartHoro->setText(state.PartnerSign + QStringLiteral(" ..."));
    m_loveRatingsText = BuildLoveRatingsText();
    if (zodiac::IsSignName(state.PartnerSign)) {
        if (zodiac::IsSignName(state.UserSign))
            keepBuilt(m_loveMatchText, BuildLoveMatchText(state.UserSign, state.PartnerSign));
        keepBuilt(m_dosAndDontsText, BuildDosAndDontsText(state.PartnerSign));
        keepBuilt(m_dateGuideText, BuildDateGuideText(state.PartnerSign));
        if (zodiac::IsGenderWord(state.PartnerGender))
            keepBuilt(m_giftGuideText, BuildGiftGuideText(state.PartnerSign, state.PartnerGender));
    }
    ShowLoveMatch();
}

void frmLove::showText(const QString& text) { ui->txtContent->setText(text); }

void frmLove::ShowLoveMatch() { showText(m_loveMatchText); }

void frmLove::Option1_Click() { showText(m_loveMatchText); }
void frmLove::Option2_Click() { showText(m_dosAndDontsText); }
void frmLove::Option3_Click() { showText(m_dateGuideText); }
void frmLove::Option4_Click() { showText(m_giftGuideText); }
void frmLove::Option5_Click() { showText(m_loveRatingsText); }

void frmLove::Command6_Click() {
    Hide();
    shell::Screens::instance().get(QStringLiteral("frmPersonal")).Show();
}

void frmLove::Command8_Click() { shell::Screens::instance().get(QStringLiteral("frmAbout")).Show(); }

void frmLove::Command9_Click() { shell::ExitProgram(); }

void frmLove::Command10_Click() {
    Hide();
    shell::Screens::instance().get(QStringLiteral("frmChoose")).Show();
}

void frmLove::Form_Unload() { shell::ExitProgram(); }

} // namespace compat
