#include "shell/ScreenWindow.h"

#include "shell/Startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

namespace shell {

namespace {

// Enter and Esc for the plain windows of the program, which Qt gives only to dialogs: Enter
// clicks the focused button if a button has the focus, else the window's default button (also
// from an editable combo box); Esc clicks the cancel button. It also keeps the delayed clicks of
// buttons on hidden windows quiet (see quietWhenHidden).
class DialogKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched->isWidgetType())
            return quietWhenHidden(static_cast<QWidget*>(watched), event);
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods != Qt::NoModifier || QApplication::activePopupWidget())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        auto* window = qobject_cast<ScreenWindow*>(widget->window());
        if (!window)
            return false;
        QPushButton* target = nullptr;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            target = qobject_cast<QPushButton*>(widget);
            if (!target)
                target = window->defaultButton();
        } else if (key->key() == Qt::Key_Escape) {
            target = window->cancelButton();
        }
        if (!target || !target->isVisible() || !target->isEnabled())
            return false;
        target->animateClick();
        return true;
    }

private:
    // A button pressed by its access key or by Enter clicks 100 ms later, on a timer. Should its
    // window be hidden in between (the user went on to another screen), the click would reach a
    // screen that is no longer there: the button finishes its click, but nobody hears it.
    static bool quietWhenHidden(QWidget* widget, QEvent* event) {
        if (!qobject_cast<QAbstractButton*>(widget))
            return false;
        auto* window = qobject_cast<ScreenWindow*>(widget->window());
        if (!window || window->isVisible())
            return false;
        const QSignalBlocker quiet(widget);
        static_cast<QObject*>(widget)->event(event);
        return true;
    }
};

void installDialogKeys() {
    static DialogKeys* keys = nullptr;
    if (!keys) {
        keys = new DialogKeys(qApp);
        qApp->installEventFilter(keys);
    }
}

Qt::WindowFlags flagsFor(WindowKind kind) {
    const Qt::WindowFlags caption = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (kind) {
    case WindowKind::SizableNoMaximize:
        return Qt::Window | caption | Qt::WindowMinimizeButtonHint;
    case WindowKind::FixedSingle:
        return Qt::Window | caption | Qt::MSWindowsFixedSizeDialogHint;
    case WindowKind::FixedDialog:
        return Qt::Dialog | caption | Qt::MSWindowsFixedSizeDialogHint;
    case WindowKind::Borderless:
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

} // namespace

ScreenWindow::ScreenWindow(WindowKind kind) : QWidget(nullptr, flagsFor(kind)), m_kind(kind) {
    installDialogKeys();
    if (kind != WindowKind::Borderless)
        installProgramIcon();
}

void ScreenWindow::adoptDesign() {
    // Designer forms hold whole point sizes only; fractional ones (8.25, 9.75) come as the
    // dynamic property "pointSizeF".
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* widget : widgets) {
        const QVariant size = widget->property("pointSizeF");
        if (size.isValid()) {
            QFont font = widget->font();
            font.setPointSizeF(size.toDouble());
            widget->setFont(font);
        }
    }
    setWindowFlags(flagsFor(m_kind));
    if (m_kind != WindowKind::SizableNoMaximize)
        setFixedSize(size());
    const auto buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault())
            m_default = button;
        if (button->property("cancel").toBool())
            m_cancel = button;
    }
}

bool ScreenWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void ScreenWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // No window of the program can be maximized, whoever asks for it.
    constexpr Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & large)) {
        QTimer::singleShot(0, this, [this, large] { setWindowState(windowState() & ~large); });
    }
}

void ScreenWindow::showEvent(QShowEvent* event) {
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QWidget::showEvent(event);
}

} // namespace shell
