#include "compat/frmMoreinfo.h"

#include "ui_frmMoreinfo.h"

#include "shell/MessageBox.h"
#include "shell/Version.h"
#include "sunsign/OfferFinder.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace compat {

frmMoreinfo::frmMoreinfo()
    : ScreenWindow(shell::WindowKind::SizableNoMaximize), ui(std::make_unique<Ui::frmMoreinfo>()) {
    ui->setupUi(this);
    adoptDesign();
    // Only a pick from a list counts; typing never completes a word by itself.
    ui->cboGender->setCompleter(nullptr);
    ui->cboHoro->setCompleter(nullptr);
    // Nor does leaving the box after typing a name: the combo box would report that as a pick.
    QObject::disconnect(ui->cboHoro->lineEdit(), &QLineEdit::editingFinished, ui->cboHoro, nullptr);
    connect(ui->cboHoro, &QComboBox::activated, this, &frmMoreinfo::cboHoro_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmMoreinfo::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmMoreinfo::cancelled);
    sunsign::offerFinder(*ui->cmdFindSign, *ui->cboHoro);
    reset();
}

frmMoreinfo::~frmMoreinfo() = default;

void frmMoreinfo::reset() {
    ui->lblDate->setText(QString());
    ui->cboGender->clear();
    ui->cboGender->addItems(zodiac::genderWords());
    ui->cboGender->setEditText(QStringLiteral("He"));
    ui->cboHoro->clear();
    ui->cboHoro->addItems(zodiac::signNames());
    ui->cboHoro->setEditText(QStringLiteral("Aries"));
}

void frmMoreinfo::refresh() {
    setWindowTitle(shell::VersionCaption());
    cboHoro_Click();
}

void frmMoreinfo::cboHoro_Click() { ui->lblDate->setText(zodiac::BirthdayRange(ui->cboHoro->currentText())); }

void frmMoreinfo::Command1_Click() {
    const QString sign = ui->cboHoro->currentText();
    const QString gender = ui->cboGender->currentText();
    if (!zodiac::IsSignName(sign) || !zodiac::IsGenderWord(gender)) {
        shell::MsgBox(this, shell::sorryMessage(QCoreApplication::translate(
                                "frmMoreinfo", "Please input correct data before clicking the \"Proceed\" button.")));
        return;
    }
    emit proceed(gender, sign);
}

} // namespace compat
