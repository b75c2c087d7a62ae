#include "personal/frmPersonal.h"

#include "ui_frmPersonal.h"

#include "personal/PersonalContent.h"
#include "shell/Accessibility.h"
#include "shell/Version.h"
#include "zodiac/SignCatalogue.h"

#include <QSignalBlocker>

namespace personal {

frmPersonal::frmPersonal()
    : ScreenWindow(shell::WindowKind::SizableNoMaximize), ui(std::make_unique<Ui::frmPersonal>()) {
    ui->setupUi(this);
    adoptDesign();
    // A topic shows its text when the user selects it (mouse, arrow keys, access key); the
    // selection showReading makes itself is quiet.
    const auto options = topics();
    for (std::size_t topic = 0; topic < options.size(); ++topic) {
        connect(options[topic], &QRadioButton::toggled, this, [this, topic](bool on) {
            if (on)
                showTopic(topic);
        });
    }
    connect(ui->Option7, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit moreOnLove();
    });
    navigation(ui->Command10, ui->Label10, &frmPersonal::mainMenu);
    navigation(ui->Command8, ui->Label8, &frmPersonal::about);
    navigation(ui->Command9, ui->Label9, &frmPersonal::exitRequested);
}

frmPersonal::~frmPersonal() = default;

QToolButton& frmPersonal::keepButton() const { return *ui->cmdKeep; }

shell::TextPane& frmPersonal::pane() const { return *ui->txtContent; }

std::array<QRadioButton*, 6> frmPersonal::topics() const {
    return {ui->Option1, ui->Option2, ui->Option3, ui->Option4, ui->Option5, ui->Option6};
}

void frmPersonal::showReading(const QString& sign) {
    setWindowTitle(shell::VersionCaption());
    const std::array<shell::SvgPicture*, zodiac::SignCount> banners{
        ui->Image1, ui->Image2, ui->Image3, ui->Image4,  ui->Image5,  ui->Image6,
        ui->Image7, ui->Image8, ui->Image9, ui->Image10, ui->Image11, ui->Image12};
    for (shell::SvgPicture* banner : banners)
        banner->hide();
    m_texts[5] = BuildRelationshipText();
    if (const auto found = zodiac::signFromName(sign)) {
        banners[static_cast<std::size_t>(zodiac::placeOf(*found))]->show();
        const std::array builders{BuildIntroductionText, BuildHouseText, BuildQualityText, BuildPlanetText,
                                  BuildElementText};
        for (std::size_t topic = 0; topic < builders.size(); ++topic)
            m_texts[topic] = builders[topic](sign).value_or(m_texts[topic]);
    }
    {
        const QSignalBlocker quiet(ui->Option1);
        ui->Option1->setChecked(true);
    }
    showTopic(0);
    ui->Option1->setFocus();
}

// The pane is named after the topic it shows, for screen readers.
void frmPersonal::showTopic(std::size_t topic) {
    ui->txtContent->setText(m_texts[topic]);
    shell::nameAfterTopic(*ui->txtContent, *topics()[topic]);
}

} // namespace personal
