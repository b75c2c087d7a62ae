#pragma once
// Writing a report to a file: PDF, OpenDocument text (.odt) or plain UTF-8 text (.txt), always
// through a QSaveFile, so that a file of that name is replaced only by a whole new file.

#include "report/Report.h"

#include <QString>
#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

namespace report {

enum class Format { Pdf, OpenDocument, Text };

// The format a file name's extension names (.pdf, .odt, .txt, in any letter case).
std::optional<Format> formatOfName(const QString& fileName);
QString extensionOf(Format format); // "pdf", "odt", "txt"

// Writes the file; nothing on success, else the reason, and the folder is as it was.
std::optional<QString> saveReport(const Report& report, const QString& path, Format format);

// Sets the report on the device's pages (a printer, a PDF writer). False if it could not.
bool paintReport(const Report& report, QPagedPaintDevice& device);

// A printer keeps its paper size; the report gets the PDF's margins and its title as the job's.
void preparePrinter(QPrinter& printer, const Report& report);

// Headings and paragraphs one a line with a blank line after each, a table's cells separated
// by tabs, pictures left out.
QString plainText(const QTextDocument& document);

} // namespace report
