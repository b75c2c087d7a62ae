#include "sunsign/SignFinderDialog.h"

#include "ui_SignFinderDialog.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>

namespace sunsign {

SignFinderDialog::SignFinderDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SignFinderDialog>()) {
    ui->setupUi(this);
    QPushButton* use = ui->buttons->button(QDialogButtonBox::Ok);
    use->setText(tr("&Use this sign"));
    use->setAccessibleDescription(tr("Puts the sign into the screen's sign box"));
    ui->dteBirth->setDateRange(firstSupportedDate(), lastSupportedDate());
    ui->dteBirth->setDate(QDate(1990, 1, 1));

    QStringList zones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        zones << QString::fromUtf8(id);
    ui->cboZone->addItems(zones);
    auto* completer = new QCompleter(ui->cboZone->model(), ui->cboZone);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    ui->cboZone->setCompleter(completer);
    ui->cboZone->setEditText(QString::fromUtf8(QTimeZone::systemTimeZoneId()));

    const auto changed = [this] { update(); };
    connect(ui->dteBirth, &QDateEdit::dateChanged, this, changed);
    connect(ui->chkTime, &QCheckBox::toggled, this, changed);
    connect(ui->tmeBirth, &QTimeEdit::timeChanged, this, changed);
    connect(ui->cboZone, &QComboBox::currentTextChanged, this, changed);
    connect(ui->cboOffset, &QComboBox::currentIndexChanged, this, changed);
    connect(ui->cboChoice, &QComboBox::currentIndexChanged, this, changed);
    update();
}

SignFinderDialog::~SignFinderDialog() = default;

BirthQuery SignFinderDialog::query() const {
    BirthQuery q;
    q.date = ui->dteBirth->date();
    if (ui->chkTime->isChecked())
        q.time = ui->tmeBirth->time();
    q.zoneId = ui->cboZone->currentText().trimmed().toUtf8();
    return q;
}

namespace {

// Fills the box with "(choose)" and the items unless it lists them already; whether it changed.
bool offer(QComboBox* box, const QStringList& items, const QVariantList& data) {
    QStringList listed;
    for (int i = 1; i < box->count(); ++i)
        listed << box->itemText(i);
    if (box->count() > 0 && listed == items)
        return false;
    const QSignalBlocker quiet(box);
    box->clear();
    if (items.isEmpty())
        return true;
    box->addItem(QCoreApplication::translate("sunsign::SignFinderDialog", "(choose)"));
    for (qsizetype i = 0; i < items.size(); ++i)
        box->addItem(items.at(i), data.value(i));
    return true;
}

} // namespace

void SignFinderDialog::update() {
    BirthQuery q = query();
    answer_ = findSign(q);
    // A time that came twice: both offsets offered, the answer once the user has picked one.
    QStringList offsets;
    QVariantList seconds;
    if (answer_.kind == SignAnswer::Kind::TwoTimes) {
        for (int offset : answer_.offsets) {
            offsets << offsetText(offset);
            seconds << offset;
        }
    }
    offer(ui->cboOffset, offsets, seconds);
    if (!offsets.isEmpty() && ui->cboOffset->currentIndex() > 0) {
        q.offsetSeconds = ui->cboOffset->currentData().toInt();
        answer_ = findSign(q);
    }
    ui->lblOffset->setVisible(!offsets.isEmpty());
    ui->cboOffset->setVisible(!offsets.isEmpty());

    // A change-over day without a time: the user picks one of the two signs.
    QStringList signs;
    if (answer_.kind == SignAnswer::Kind::ChangeOver) {
        for (zodiac::Sign sign : answer_.signs)
            signs << zodiac::signName(sign);
    }
    offer(ui->cboChoice, signs, {});
    ui->lblChoice->setVisible(!signs.isEmpty());
    ui->cboChoice->setVisible(!signs.isEmpty());

    ui->lblAnswer->setText(answer_.text);
    ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(chosenSign().has_value());
}

void SignFinderDialog::accept() {
    if (chosenSign())
        QDialog::accept();
}

std::optional<zodiac::Sign> SignFinderDialog::chosenSign() const {
    if (answer_.kind == SignAnswer::Kind::Sign)
        return answer_.signs.first();
    if (answer_.kind == SignAnswer::Kind::ChangeOver && ui->cboChoice->currentIndex() > 0)
        return answer_.signs.at(ui->cboChoice->currentIndex() - 1);
    return std::nullopt;
}

} // namespace sunsign
