#pragma once
// The typefaces the screens are designed in, and the installed fonts that stand in for them.

#include <QFont>

namespace shell {

// Maps the designed typefaces to metric-compatible installed ones (Liberation), once.
void installFontSubstitutes();

// The font of every control that is designed with no other: MS Sans Serif 8.25 pt.
QFont defaultFont();

// The bold monospaced font of the text pane: Courier New 9.75 pt bold, or its stand-in.
QFont paneFont();

} // namespace shell
