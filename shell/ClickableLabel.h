#pragma once
// A label that answers a mouse click, as the navigation labels beside the small buttons and
// the About box's home-page link do.

#include <QLabel>

namespace shell {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace shell
