#include "shell/ClickableLabel.h"

#include "shell/Accessibility.h"

#include <QMouseEvent>

namespace shell {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    installAccessibleInterfaces();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace shell
