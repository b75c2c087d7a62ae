#pragma once
// The typefaces the screens are designed in, and the installed fonts that stand in for them.

#include <QFont>
#include <QList>
#include <QStringList>

namespace shell {

struct FontSubstitute {
    QString designed;      // the typeface a form names
    QStringList installed; // what stands in for it, first choice first
};

// The designed typefaces and their stand-ins.
QList<FontSubstitute> fontSubstitutes();

// Maps the designed typefaces to their stand-ins (fontSubstitutes), once.
void installFontSubstitutes();

// The font of every control that is designed with no other: MS Sans Serif 8.25 pt.
QFont defaultFont();

// The bold monospaced font of the text pane: Courier New 9.75 pt bold, or its stand-in.
QFont paneFont();

} // namespace shell
