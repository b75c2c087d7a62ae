#include "report/ReportFile.h"

#include "report/Paper.h"
#include "shell/Version.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>

namespace report {

namespace {

QString xmlEscaped(const QString& text) { return text.toHtmlEscaped(); }

// Qt's PDF writer keeps the title and creator in the document information; the subject goes
// with them in the XMP metadata.
QByteArray xmpMetadata(const Report& report, const QString& creator) {
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
               "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
               " xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
               "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
               "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%2</rdf:li></rdf:Alt>"
               "</dc:description>\n"
               "<xmp:CreatorTool>%3</xmp:CreatorTool>\n"
               "<pdf:Producer>%3</pdf:Producer>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>")
        .arg(xmlEscaped(report.title), xmlEscaped(report.subject), xmlEscaped(creator))
        .toUtf8();
}

bool writePdf(const Report& report, QIODevice& file) {
    const QString creator = QStringLiteral("Zelvoria ") + shell::VersionText();
    QPdfWriter writer(&file);
    writer.setTitle(report.title);
    writer.setCreator(creator);
    writer.setDocumentXmpMetadata(xmpMetadata(report, creator));
    writer.setResolution(300);
    writer.setPageLayout(localePageLayout());
    return paintReport(report, writer);
}

void appendFrame(QString& text, QTextFrame* frame) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            for (int row = 0; row < table->rows(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    QTextCursor inside = cell.firstCursorPosition();
                    inside.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                    cells << inside.selectedText();
                }
                text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
            }
            text += QLatin1Char('\n');
        } else if (it.currentFrame()) {
            appendFrame(text, it.currentFrame());
        } else {
            QString line = it.currentBlock().text();
            line.remove(QChar::ObjectReplacementCharacter);
            if (!line.isEmpty())
                text += line + QStringLiteral("\n\n");
        }
    }
}

} // namespace

std::optional<Format> formatOfName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const Format format : {Format::Pdf, Format::OpenDocument, Format::Text})
        if (suffix == extensionOf(format))
            return format;
    return std::nullopt;
}

QString extensionOf(Format format) {
    switch (format) {
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::OpenDocument:
        return QStringLiteral("odt");
    case Format::Text:
        return QStringLiteral("txt");
    }
    Q_UNREACHABLE();
}

bool paintReport(const Report& report, QPagedPaintDevice& device) {
    const auto document = makeDocument(report);
    return paintPages(*document, device);
}

void preparePrinter(QPrinter& printer, const Report& report) {
    printer.setDocName(report.title);
    printer.setCreator(QStringLiteral("Zelvoria ") + shell::VersionText());
    printer.setPageMargins(localePageLayout().margins(), QPageLayout::Millimeter);
}

QString plainText(const QTextDocument& document) {
    QString text;
    appendFrame(text, document.rootFrame());
    return text;
}

std::optional<QString> saveReport(const Report& report, const QString& path, Format format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // The whole file is made in memory first (the OpenDocument writer closes its device when
    // done, which a QSaveFile must not be), then written at once: a failed write, such as a
    // full disk, shows here and not only when the file is committed.
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    bool composed = false;
    switch (format) {
    case Format::Pdf:
        composed = writePdf(report, made);
        break;
    case Format::OpenDocument: {
        const auto document = makeDocument(report);
        composed = QTextDocumentWriter(&made, "ODF").write(document.get());
        break;
    }
    case Format::Text:
        composed = made.write(plainText(*makeDocument(report)).toUtf8()) >= 0;
        break;
    }
    if (!composed) {
        file.cancelWriting();
        return QCoreApplication::translate("report::ReportFile", "The report could not be set.");
    }
    if (file.write(made.data()) != made.data().size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace report
