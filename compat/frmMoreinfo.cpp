#include "compat/frmMoreinfo.h"

#include "ui_frmMoreinfo.h"

#include "compat/frmProcessing.h"
#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/MessageBox.h"
#include "shell/Screens.h"
#include "shell/Version.h"
#include "sunsign/OfferFinder.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>
#include <QLineEdit>

template class shell::FormScreen<Ui::frmMoreinfo>;

namespace compat {

using shell::appState;

frmMoreinfo::frmMoreinfo()
    : FormScreen(QString::fromLatin1(shell::screenName<frmMoreinfo>), shell::WindowKind::SizableNoMaximize) {}

frmMoreinfo::~frmMoreinfo() = default;

void frmMoreinfo::connectHandlers() {
    // Only a pick from a list counts; typing never completes a word by itself.
    ui->cboGender->setCompleter(nullptr);
    ui->cboHoro->setCompleter(nullptr);
    // Nor does leaving the box after typing a name: the combo box would report that as a pick.
    QObject::disconnect(ui->cboHoro->lineEdit(), &QLineEdit::editingFinished, ui->cboHoro, nullptr);
    connect(ui->cboHoro, &QComboBox::activated, this, [this] { cboHoro_Click(); });
    connect(ui->Command1, &QPushButton::clicked, this, &frmMoreinfo::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmMoreinfo::Command2_Click);
    sunsign::offerFinder(*ui->cmdFindSign, *ui->cboHoro);
}

void frmMoreinfo::Form_Load() {
    // Called directly, the reset loads the screen first; loading runs it once already.
    ensureLoaded();
    if (!ui)
        return;
    ui->lblDate->setText(QString());
    ui->cboGender->clear();
    ui->cboGender->addItems(zodiac::genderWords());
    ui->cboGender->setEditText(QStringLiteral("He"));
    ui->cboHoro->clear();
    ui->cboHoro->addItems(zodiac::signNames());
    ui->cboHoro->setEditText(QStringLiteral("Aries"));
}

void frmMoreinfo::Form_Activate() {
    window()->setWindowTitle(shell::VersionCaption());
    cboHoro_Click();
}

void frmMoreinfo::cboHoro_Click() {
    ui->lblDate->setText(zodiac::BirthdayRange(ui->cboHoro->currentText()));
}

void frmMoreinfo::Command1_Click() {
    const QString sign = ui->cboHoro->currentText();
    const QString gender = ui->cboGender->currentText();
    if (!zodiac::IsSignName(sign) || !zodiac::IsGenderWord(gender)) {
        shell::MsgBox(window(),
                      shell::sorryMessage(QCoreApplication::translate(
                          "frmMoreinfo",
                          "Please input correct data before clicking the \"Proceed\" button.")));
        return;
    }
    appState().PartnerGender = gender;
    appState().PartnerSign = sign;
    Hide();
    auto& processing = shell::Screens::instance().get<frmProcessing>();
    // Showing it restarts the count and shows 0; the count starts once more from 0 here.
    processing.Show();
    appState().ProgressCount = 0;
    processing.enableTimer();
    processing.tmrPercent_Timer();
}

void frmMoreinfo::Command2_Click() {
    Hide();
    shell::screen<personal::frmPersonal>().Show();
}

void frmMoreinfo::Form_Unload() { shell::ExitProgram(); }

} // namespace compat
