#pragma once
// Setting a report on pages: the page size a PDF gets from the user's locale, and the painting
// of a document page by page, with its page numbers, on a PDF writer or a printer.

#include <QPageLayout>

class QPagedPaintDevice;
class QTextDocument;

namespace report {

// Letter where the locale measures in US units, A4 elsewhere; 20 mm margins.
QPageLayout localePageLayout();

// Lays the document out for the device's printable area and paints every page, its number
// centred under it. False when the device could not be painted on (nothing is drawn then).
bool paintPages(QTextDocument& document, QPagedPaintDevice& device);

} // namespace report
