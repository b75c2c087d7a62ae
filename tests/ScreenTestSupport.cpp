#include "ScreenTestSupport.h"

#include "report/ReportCommands.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

QList<shell::Message>& messages() {
    static QList<shell::Message> list;
    return list;
}

void recordMessages() {
    messages().clear();
    shell::setMessageSink([](QWidget*, const shell::Message& m) { messages() << m; });
}

void addNavigationRows(std::initializer_list<std::pair<int, const char*>> pairs) {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("signal");
    for (const auto& [n, signal] : pairs)
        for (const char* control : {"Command", "Label"})
            QTest::addRow("%s%d", control, n) << QLatin1String(control) + QString::number(n) << QByteArray(signal);
}

void clickSaysOnly(QWidget& window, const QString& control, const QByteArray& expected,
                   std::initializer_list<const char*> watched) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* each : watched)
        spies.push_back(std::make_unique<QSignalSpy>(&window, each));
    QWidget* target = window.findChild<QWidget*>(control);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    for (const auto& spy : spies)
        QCOMPARE(spy->count(), spy->signal() == expected.mid(1) ? 1 : 0);
}

KeepingWindow::KeepingWindow() {
    pane.move(0, 40);
    report::attachReportCommands(*this, keep, pane, [] { return report::coupleReport("Leo", "Scorpio", "She"); });
    show();
}
