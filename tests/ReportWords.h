#pragma once
// Reading a report back as words (poppler's pdftotext for a PDF), and finding in it the words of
// every topic the screens show, so that line breaks, hyphenation and page breaks cannot hide a
// lost or doubled paragraph.

#include <QRect>
#include <QString>
#include <QStringList>

namespace reportwords {

// The words of a text, without the dashes that rule the pane's grid headers, and with compounds
// broken after their hyphen at a line's end ("farmer-" / "god") joined again.
QStringList words(const QString& text);

// The run's standard output, with a warning when it fails.
QString run(const QString& program, const QStringList& arguments);

// The words of a PDF's pages within `area` (points), each page's number checked and taken off
// its end; empty when a page has no number or no text. Qt draws the line before a page's first
// in the margin above, clipped away, so only the printable area is read.
QStringList readingWords(const QString& pdf, const QRect& area);

// The pane texts of every topic a report holds, in the screens' order: the couple's report
// (the five love topics, then each sign's personal analysis, once when both are the same), or
// with no partner the personal report.
QStringList reportTopics(const QString& user, const QString& partner = {}, const QString& gender = {});

// Whether each topic's words stand in the report, one topic after the other, each from where
// the one before ended; where not, `what` says where it breaks off. A grid's header row may
// stand again within its topic: paper repeats it atop each page its table continues on.
bool holdsInOrder(const QStringList& report, const QStringList& topics, QString& what);

} // namespace reportwords
