#include "shell/TextPane.h"

#include "shell/Fonts.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

namespace shell {

TextPane::TextPane(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(paneFont());
    setStyleSheet(QStringLiteral("QPlainTextEdit { color: #000080; background: #FFFFFF; }"));
}

void TextPane::setText(const QString& text) {
    m_text = text;
    setPlainText(textlayout::PaneRows(text, textlayout::PaneColumns).join(QLatin1Char('\n')));
}

QStringList TextPane::rows() const { return toPlainText().split(QLatin1Char('\n')); }

} // namespace shell
