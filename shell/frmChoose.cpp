#include "shell/frmChoose.h"

#include "ui_frmChoose.h"

#include "shell/MessageBox.h"
#include "shell/Version.h"
#include "sunsign/OfferFinder.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace shell {

frmChoose::frmChoose() : ScreenWindow(WindowKind::SizableNoMaximize), ui(std::make_unique<Ui::frmChoose>()) {
    ui->setupUi(this);
    adoptDesign();
    // Only a pick from the list counts as a click; typing never completes a name by itself.
    ui->cboHoro->setCompleter(nullptr);
    // Nor does leaving the box after typing a name: the combo box would report that as a pick.
    QObject::disconnect(ui->cboHoro->lineEdit(), &QLineEdit::editingFinished, ui->cboHoro, nullptr);
    connect(ui->cboHoro, &QComboBox::activated, this, &frmChoose::cboHoro_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmChoose::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmChoose::exitRequested);
    sunsign::offerFinder(*ui->cmdFindSign, *ui->cboHoro);

    ui->chkMusic->setCheckState(Qt::Checked);
    ui->lblDate->setText(QString());
    ui->cboHoro->addItems(zodiac::signNames());
    ui->cboHoro->setEditText(QStringLiteral("Aries"));
}

frmChoose::~frmChoose() = default;

void frmChoose::refresh() {
    setWindowTitle(VersionCaption());
    cboHoro_Click();
    ui->cboHoro->setFocus();
}

void frmChoose::cboHoro_Click() { ui->lblDate->setText(zodiac::BirthdayRange(ui->cboHoro->currentText())); }

bool frmChoose::musicBoxTicked() const { return ui->chkMusic->checkState() == Qt::Checked; }

void frmChoose::Command1_Click() {
    const QString sign = ui->cboHoro->currentText();
    if (!zodiac::IsSignName(sign)) {
        // Texts set in code share the form's translation context.
        MsgBox(this, sorryMessage(QCoreApplication::translate(
                         "frmChoose", "Please select a sign before clicking the \"Proceed\" button.")));
        return;
    }
    emit proceed(sign, musicBoxTicked());
}

} // namespace shell
