#pragma once
// Reading a report back as words with poppler's pdftotext, so line breaks, hyphenation and page
// breaks cannot hide a lost or doubled paragraph.

#include <QRect>
#include <QString>
#include <QStringList>

namespace pdfwords {

// The words of a text, without the dashes that rule the pane's grid headers, and with compounds
// broken after their hyphen at a line's end ("farmer-" / "god") joined again.
QStringList words(const QString& text);

// The run's standard output, with a warning when it fails.
QString run(const QString& program, const QStringList& arguments);

// The words of a PDF's pages within `area` (points), each page's number checked and taken off
// its end; empty when a page has no number or no text. Qt draws the line before a page's first
// in the margin above, clipped away, so only the printable area is read.
QStringList readingWords(const QString& pdf, const QRect& area);

} // namespace pdfwords
