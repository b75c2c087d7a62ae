#include "compat/frmLove.h"

#include "ui_frmLove.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "shell/Accessibility.h"
#include "shell/Version.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>

namespace compat {

namespace {
// A builder that finds no entry leaves the text as it was.
void keepBuilt(QString& field, std::optional<QString> built) {
    if (built)
        field = std::move(*built);
}
} // namespace

frmLove::frmLove() : ScreenWindow(shell::WindowKind::SizableNoMaximize), ui(std::make_unique<Ui::frmLove>()) {
    ui->setupUi(this);
    adoptDesign();
    const auto options = topics();
    for (std::size_t topic = 0; topic < options.size(); ++topic)
        connect(options[topic], &QRadioButton::clicked, this, [this, topic] { showTopic(topic); });
    navigation(ui->Command6, ui->Label6, &frmLove::personalAnalysis);
    navigation(ui->Command10, ui->Label10, &frmLove::mainMenu);
    navigation(ui->Command8, ui->Label8, &frmLove::about);
    navigation(ui->Command9, ui->Label9, &frmLove::exitRequested);
}

frmLove::~frmLove() = default;

QToolButton& frmLove::keepButton() const { return *ui->cmdKeep; }

shell::TextPane& frmLove::pane() const { return *ui->txtContent; }

std::array<QRadioButton*, 5> frmLove::topics() const {
    return {ui->Option1, ui->Option2, ui->Option3, ui->Option4, ui->Option5};
}

void frmLove::showCouple(const QString& userSign, const QString& partnerSign, const QString& partnerGender) {
    setWindowTitle(shell::VersionCaption());
    //: The headline under "In Love With A ": the partner's sign, then " ...".
    ui->lblPartHoro->setText(QCoreApplication::translate("frmLove", "%1 ...").arg(partnerSign));
    m_texts[4] = BuildLoveRatingsText();
    if (zodiac::IsSignName(partnerSign)) {
        if (zodiac::IsSignName(userSign))
            keepBuilt(m_texts[0], BuildLoveMatchText(userSign, partnerSign));
        keepBuilt(m_texts[1], BuildDosAndDontsText(partnerSign));
        keepBuilt(m_texts[2], BuildDateGuideText(partnerSign));
        if (zodiac::IsGenderWord(partnerGender))
            keepBuilt(m_texts[3], BuildGiftGuideText(partnerSign, partnerGender));
    }
    ui->Option1->setChecked(true);
    showTopic(0);
    ui->Option1->setFocus();
}

// The pane is named after the topic it shows, for screen readers.
void frmLove::showTopic(std::size_t topic) {
    ui->txtContent->setText(m_texts[topic]);
    shell::nameAfterTopic(*ui->txtContent, *topics()[topic]);
}

} // namespace compat
