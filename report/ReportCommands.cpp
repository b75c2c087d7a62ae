#include "report/ReportCommands.h"

#include "report/ReportFile.h"
#include "shell/MessageBox.h"
#include "shell/TextPane.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QToolButton>

namespace report {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("report::ReportCommands", text); }

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

shell::Message warning(const QString& text) {
    return {text, tr("Keep the reading"), shell::MessageIcon::Warning};
}

const QList<std::pair<Format, const char*>>& filters() {
    static const QList<std::pair<Format, const char*>> list{
        {Format::Pdf, QT_TRANSLATE_NOOP("report::ReportCommands", "PDF (*.pdf)")},
        {Format::OpenDocument, QT_TRANSLATE_NOOP("report::ReportCommands", "OpenDocument text (*.odt)")},
        {Format::Text, QT_TRANSLATE_NOOP("report::ReportCommands", "Plain text (*.txt)")}};
    return list;
}

// The save dialog: the documents folder, a name made from the report, the format from the
// chosen filter unless the typed name ends in one of the three extensions.
void save(QWidget& window, const Report& report, Format proposed) {
    QFileDialog dialog(&window, tr("Keep the reading"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList names;
    for (const auto& [format, name] : filters())
        names << tr(name);
    dialog.setNameFilters(names);
    const auto filterFormat = [&](const QString& name) {
        return filters()[std::max<qsizetype>(0, names.indexOf(name))].first;
    };
    const auto chooseFilter = [&](Format format) {
        for (qsizetype i = 0; i < filters().size(); ++i)
            if (filters()[i].first == format)
                dialog.selectNameFilter(names[i]);
        dialog.setDefaultSuffix(extensionOf(format));
    };
    chooseFilter(proposed);
    // The documents folder may not have been made yet.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    dialog.setDirectory(documents);
    dialog.selectFile(report.title + QLatin1Char('.') + extensionOf(proposed));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
        const Format format = filterFormat(name);
        dialog.setDefaultSuffix(extensionOf(format));
        // The proposed name follows the filter, unless the user has typed a name of their own.
        const QStringList chosen = dialog.selectedFiles();
        const QString base = chosen.isEmpty() ? report.title : QFileInfo(chosen.first()).completeBaseName();
        dialog.selectFile(base + QLatin1Char('.') + extensionOf(format));
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    window.activateWindow(); // back on the reading, also where no window manager hands it back
    if (!accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    const Format format = formatOfName(path).value_or(filterFormat(dialog.selectedNameFilter()));
    std::optional<QString> failure;
    {
        const BusyCursor busy;
        failure = saveReport(report, path, format);
    }
    if (failure)
        shell::MsgBox(&window, warning(tr("\"%1\" could not be saved: %2")
                                           .arg(QDir::toNativeSeparators(path), *failure)));
}

void print(QWidget& window, const Report& report) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        shell::MsgBox(&window, warning(tr("No printer is installed, so the reading cannot be "
                                          "printed. You can save it as a PDF and print that "
                                          "later.")));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, report);
    QPrintPreviewDialog preview(&printer, &window);
    bool failed = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) {
                         const BusyCursor busy;
                         failed = !paintReport(report, *target);
                     });
    preview.exec();
    window.activateWindow();
    if (failed)
        shell::MsgBox(&window, warning(tr("The reading could not be printed on \"%1\".")
                                           .arg(printer.printerName())));
}

QAction* command(QWidget& window, const QString& text, const QString& description,
                 const QKeySequence& keys, std::function<void()> run) {
    auto* action = new QAction(text, &window);
    action->setToolTip(description);
    action->setStatusTip(description);
    action->setWhatsThis(description);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    QObject::connect(action, &QAction::triggered, &window, std::move(run));
    return action;
}

} // namespace

void attachReportCommands(QWidget& window, QToolButton& control, shell::TextPane& pane,
                          ReportSource build) {
    const auto withReport = [&window, build](auto run) {
        return [&window, build, run] {
            if (const auto report = build())
                run(window, *report);
        };
    };
    const QList<QAction*> actions{
        command(window, tr("&Print..."), tr("Print this reading, after a preview"),
                QKeySequence::Print, withReport(print)),
        command(window, tr("Save as P&DF..."), tr("Save this reading as a PDF file"),
                QKeySequence::Save, withReport([](QWidget& w, const Report& r) { save(w, r, Format::Pdf); })),
        command(window, tr("Save as &document..."),
                tr("Save this reading as an OpenDocument text or a plain text file"), {},
                withReport([](QWidget& w, const Report& r) { save(w, r, Format::OpenDocument); }))};

    auto* menu = new QMenu(&control);
    menu->addActions(actions);
    control.setMenu(menu);
    control.setPopupMode(QToolButton::InstantPopup);
    control.setAccessibleName(tr("Keep this reading"));
    control.setAccessibleDescription(tr("Print this reading, or save it as a PDF or a document"));
    control.setToolTip(control.accessibleDescription());
    pane.setExtraActions(actions);
}

} // namespace report
