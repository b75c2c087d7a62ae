#pragma once
// Breaks a text into the rows a pane of fixed width shows. Laid-out paragraphs, blank lines and
// grid rows carry no line breaks: every line is exactly as wide as the pane and the next line
// starts on the space it broke on. A general-purpose word wrap hangs trailing spaces and so
// never shows a row of spaces as an empty row; this rule does:
// - a row holds at most `width` characters, spaces counting like any other;
// - when the character after a full row is a space, that one space is the break and is not
//   shown, if it is a lone space, or if the row ends with a non-space and fewer than `width`
//   spaces follow; otherwise the run of spaces wraps like other characters (so a run of
//   `width` or more spaces shows as empty rows);
// - when the character after a full row starts a word, the row ends there;
// - when a full row would cut a word, the row ends at its last space (the break, not shown) and
//   the word starts the next row; a word longer than a row is cut.

#include <QString>
#include <QStringList>

namespace textlayout {

QStringList PaneRows(const QString& text, int width);

} // namespace textlayout
