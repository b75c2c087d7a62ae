#include "shell/Accessibility.h"

#include "shell/ClickableLabel.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace shell {

namespace {

QString plainCaption(QString caption) {
    // "&&" stands for one ampersand; a single "&" only marks the access key.
    caption.replace(QLatin1String("&&"), QString(QChar(0xFFFF)));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(0xFFFF), QLatin1Char('&'));
    return caption.simplified();
}

// A clickable label reads as a link named by its text, and pressing it clicks it.
class LinkLabelInterface : public QAccessibleWidget {
public:
    explicit LinkLabelInterface(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return plainCaption(label()->text());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

// A picture is a graphic whose name and description come from the form.
QAccessibleInterface* programInterfaces(const QString& className, QObject* object) {
    if (className == QLatin1String("shell::SvgPicture"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("shell::ClickableLabel"))
        return new LinkLabelInterface(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(programInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

QString topicName(const QAbstractButton& option) {
    const QString name = option.accessibleName();
    return name.isEmpty() ? plainCaption(option.text()) : name;
}

void nameAfterTopic(TextPane& pane, const QAbstractButton& option) {
    pane.setAccessibleName(topicName(option));
}

} // namespace shell
