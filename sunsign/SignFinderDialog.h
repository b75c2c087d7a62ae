#pragma once
// The finder's dialog: birth date, time of birth if known, the birthplace's time zone; the
// answer shown as it changes; "Use this sign" with the sign (or, on a change-over day, the
// user's choice of the two), Cancel.

#include "sunsign/SignFinder.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SignFinderDialog;
}

namespace sunsign {

class SignFinderDialog : public QDialog {
    Q_OBJECT
public:
    explicit SignFinderDialog(QWidget* parent = nullptr);
    ~SignFinderDialog() override;

    const SignAnswer& answer() const { return answer_; }
    // The sign "Use this sign" stands for; none while the question has no answer.
    std::optional<zodiac::Sign> chosenSign() const;

    // Only with a sign to use: a click of "Use this sign" pressed by its key lands 100 ms
    // later, when the answer may have gone meanwhile.
    void accept() override;

private:
    void update();
    BirthQuery query() const;

    std::unique_ptr<Ui::SignFinderDialog> ui;
    SignAnswer answer_;
};

} // namespace sunsign
