#include "shell/frmChoose.h"

#include "ui_frmChoose.h"

#include "shell/AppState.h"
#include "shell/ExitProgram.h"
#include "shell/FormScreenImpl.h"
#include "shell/MessageBox.h"
#include "shell/Screens.h"
#include "shell/Version.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>
#include <QLineEdit>

template class shell::FormScreen<Ui::frmChoose>;

namespace shell {

frmChoose::frmChoose()
    : FormScreen(QString::fromLatin1(shell::screenName<frmChoose>), WindowKind::SizableNoMaximize) {}

frmChoose::~frmChoose() = default;

void frmChoose::connectHandlers() {
    // Only a pick from the list counts as a click; typing never completes a name by itself.
    ui->cboHoro->setCompleter(nullptr);
    // Nor does leaving the box after typing a name: the combo box would report that as a pick.
    QObject::disconnect(ui->cboHoro->lineEdit(), &QLineEdit::editingFinished, ui->cboHoro, nullptr);
    connect(ui->cboHoro, &QComboBox::activated, this, [this] { cboHoro_Click(); });
    connect(ui->Command1, &QPushButton::clicked, this, &frmChoose::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmChoose::Command2_Click);
}

void frmChoose::Form_Load() {
    ui->chkMusic->setCheckState(Qt::Checked);
    ui->lblDate->setText(QString());
    ui->cboHoro->clear();
    ui->cboHoro->addItems(zodiac::signNames());
    ui->cboHoro->setEditText(QStringLiteral("Aries"));
}

void frmChoose::Form_Activate() {
    window()->setWindowTitle(VersionCaption());
    cboHoro_Click();
    ui->cboHoro->setFocus();
}

void frmChoose::cboHoro_Click() {
    ui->lblDate->setText(zodiac::BirthdayRange(ui->cboHoro->currentText()));
}

bool frmChoose::musicBoxTicked() const {
    return ui && ui->chkMusic->checkState() == Qt::Checked;
}

void frmChoose::Command1_Click() {
    const QString sign = ui->cboHoro->currentText();
    if (!zodiac::IsSignName(sign)) {
        // Texts set in code share the form's translation context.
        MsgBox(window(),
               sorryMessage(QCoreApplication::translate(
                   "frmChoose", "Please select a sign before clicking the \"Proceed\" button.")));
        return;
    }
    appState().UserSign = sign;
    Hide();
    screen<personal::frmPersonal>().Show();
    // The music follows the box only now, after the personal screen is up.
    emit proceeded(musicBoxTicked());
}

void frmChoose::Command2_Click() { ExitProgram(); }

void frmChoose::Form_Unload() { ExitProgram(); }

} // namespace shell
