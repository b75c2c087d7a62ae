#include "shell/Fonts.h"

namespace shell {

// The one place that says which installed fonts stand in for the designed ones: the Liberation
// fonts have the metrics of the designed faces, DejaVu is there when they are not. Should both
// be missing, the pane still asks for a bold typewriter face, so it stays bold and monospaced.
QList<FontSubstitute> fontSubstitutes() {
    return {
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Arial"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {QStringLiteral("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
    };
}

void installFontSubstitutes() {
    for (const FontSubstitute& entry : fontSubstitutes())
        QFont::insertSubstitutions(entry.designed, entry.installed);
}

QFont defaultFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QFont paneFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace shell
