#pragma once
// Lays a one-line paragraph out as fully justified lines of a fixed width, written one after
// the other with nothing between them. The first line is `width` characters; every later line
// is the space the previous line broke on followed by `width` characters; the last line is
// filled out with spaces. Shown in a pane exactly `width` columns wide, every line starts a row.

#include <QString>
#include <QtGlobal>

namespace textlayout {

// The width every analysis text of the program is laid out to.
inline constexpr qint16 PaneColumns = 35;

// One empty row of the pane: 35 spaces.
QString BlankLine();

// Pure: the same arguments always give the same result. The empty paragraph gives the empty
// string; a width of 0 or less gives the paragraph unchanged.
QString FormatParagraph(const QString& paragraph, const qint16& width);

} // namespace textlayout
