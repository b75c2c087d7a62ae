#include "personal/frmPersonal.h"

#include "ui_frmPersonal.h"

#include "personal/PersonalContent.h"
#include "report/ReportCommands.h"
#include "shell/Accessibility.h"
#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/Screens.h"
#include "shell/Version.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

#include <QSignalBlocker>
#include <array>

template class shell::FormScreen<Ui::frmPersonal>;

namespace personal {

frmPersonal::frmPersonal()
    : FormScreen(QString::fromLatin1(shell::screenName<frmPersonal>), shell::WindowKind::SizableNoMaximize) {}

frmPersonal::~frmPersonal() = default;

void frmPersonal::connectHandlers() {
    // A topic's handler runs when the user selects it (mouse, arrow keys, access key); the
    // selection Form_Activate makes itself is quiet.
    const auto onSelect = [this](QRadioButton* option, void (frmPersonal::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelect(ui->Option1, &frmPersonal::Option1_Click);
    onSelect(ui->Option2, &frmPersonal::Option2_Click);
    onSelect(ui->Option3, &frmPersonal::Option3_Click);
    onSelect(ui->Option4, &frmPersonal::Option4_Click);
    onSelect(ui->Option5, &frmPersonal::Option5_Click);
    onSelect(ui->Option6, &frmPersonal::Option6_Click);
    onSelect(ui->Option7, &frmPersonal::Option7_Click);
    connect(ui->Command10, &QPushButton::clicked, this, &frmPersonal::Command10_Click);
    connect(ui->Label10, &shell::ClickableLabel::clicked, this, &frmPersonal::Label10_Click);
    connect(ui->Command8, &QPushButton::clicked, this, &frmPersonal::Command8_Click);
    connect(ui->Label8, &shell::ClickableLabel::clicked, this, &frmPersonal::Label8_Click);
    connect(ui->Command9, &QPushButton::clicked, this, &frmPersonal::Command9_Click);
    connect(ui->Label9, &shell::ClickableLabel::clicked, this, &frmPersonal::Label9_Click);
    report::attachReportCommands(*window(), *ui->cmdKeep, *ui->txtContent, [] {
        return report::personalReport(shell::appState().UserSign);
    });
}

void frmPersonal::Form_Load() {
    BlankLine = textlayout::BlankLine();
}

void frmPersonal::Form_Activate() {
    window()->setWindowTitle(shell::VersionCaption());

    {
        const QSignalBlocker quiet(ui->Option1);
        ui->Option1->setChecked(true);
    }
    Option1_Click();
    ui->Option1->setFocus();

    const std::array<shell::SvgPicture*, zodiac::SignCount> banners{
        ui->Image1, ui->Image2, ui->Image3, ui->Image4,  ui->Image5,  ui->Image6,
        ui->Image7, ui->Image8, ui->Image9, ui->Image10, ui->Image11, ui->Image12};
    for (shell::SvgPicture* banner : banners)
        banner->hide();

    RelationshipText = BuildRelationshipText();

    // Only an exact sign name finds its texts; anything else keeps what was built before.
    const QString sign = shell::appState().UserSign;
    if (const auto found = zodiac::signFromName(sign)) {
        banners[static_cast<std::size_t>(zodiac::placeOf(*found))]->show();
        IntroductionText = BuildIntroductionText(sign).value_or(IntroductionText);
        HouseText = BuildHouseText(sign).value_or(HouseText);
        QualityText = BuildQualityText(sign).value_or(QualityText);
        PlanetText = BuildPlanetText(sign).value_or(PlanetText);
        ElementText = BuildElementText(sign).value_or(ElementText);
    }

    ShowIntroduction();
}

// The pane is named after the topic it shows, for screen readers.
void frmPersonal::showText(const QString& text, const QAbstractButton& topic) {
    ui->txtContent->setText(text);
    shell::nameAfterTopic(*ui->txtContent, topic);
}

void frmPersonal::ShowIntroduction() {
    showText(IntroductionText, *ui->Option1);
}

void frmPersonal::Option1_Click() {
    showText(IntroductionText, *ui->Option1);
}
void frmPersonal::Option2_Click() {
    showText(HouseText, *ui->Option2);
}
void frmPersonal::Option3_Click() {
    showText(QualityText, *ui->Option3);
}
void frmPersonal::Option4_Click() {
    showText(PlanetText, *ui->Option4);
}
void frmPersonal::Option5_Click() {
    showText(ElementText, *ui->Option5);
}
void frmPersonal::Option6_Click() {
    showText(RelationshipText, *ui->Option6);
}

void frmPersonal::Option7_Click() {
    Hide();
    // The partner screen's Form_Load doubles as its reset.
    shell::Screen& more = shell::screen<compat::frmMoreinfo>();
    more.ensureLoaded();
    more.Form_Load();
    more.Show();
}

void frmPersonal::Command10_Click() {
    Hide();
    shell::screen<shell::frmChoose>().Show();
}

void frmPersonal::Command8_Click() {
    shell::screen<about::frmAbout>().Show();
}

void frmPersonal::Command9_Click() {
    shell::ExitProgram();
}

void frmPersonal::Label10_Click() {
    Command10_Click();
}
void frmPersonal::Label8_Click() {
    Command8_Click();
}
void frmPersonal::Label9_Click() {
    Command9_Click();
}

void frmPersonal::Form_Unload() {
    shell::ExitProgram();
}

} // namespace personal
