#include "sunsign/OfferFinder.h"

#include "sunsign/SignFinderDialog.h"

#include <QAbstractButton>
#include <QComboBox>

namespace sunsign {

void offerFinder(QAbstractButton& button, QComboBox& signBox) {
    QObject::connect(&button, &QAbstractButton::clicked, &signBox, [&button, &signBox] {
        auto* dialog = new SignFinderDialog(button.window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &QDialog::accepted, &signBox, [dialog, &signBox] {
            const auto sign = dialog->chosenSign();
            Q_ASSERT(sign); // the dialog is accepted only with a sign chosen
            const int index = signBox.findText(zodiac::signName(*sign), Qt::MatchExactly);
            if (index < 0)
                return; // the box does not list the signs (yet): nothing to pick
            signBox.setCurrentIndex(index);
            emit signBox.activated(index);
            signBox.setFocus();
        });
        dialog->open();
    });
}

} // namespace sunsign
