#include "shell/TextPane.h"

#include "shell/Fonts.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QScrollBar>
#include <QTextDocument>
#include <memory>

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
    // Filling the document lays out and shapes every row, the dearest part of showing a topic.
    // The analysis screens often set the text the pane already shows (every activation first
    // shows the stored text again): then only the view is put back where a fresh fill puts it.
    if (text == m_text && document()->revision() == m_filledRevision) {
        QTextCursor start = textCursor();
        start.movePosition(QTextCursor::Start);
        setTextCursor(start);
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        return;
    }
    m_text = text;
    setPlainText(textlayout::PaneRows(text, textlayout::PaneColumns).join(QLatin1Char('\n')));
    m_filledRevision = document()->revision();
}

QStringList TextPane::rows() const { return toPlainText().split(QLatin1Char('\n')); }

QString TextPane::copyText(const QString& shown) {
    QStringList lines = shown.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == QLatin1Char(' '))
            --end;
        line.truncate(end);
    }
    return lines.join(QLatin1Char('\n'));
}

QMimeData* TextPane::createMimeDataFromSelection() const {
    // Plain text only: the pane's look (colours, bold font) is not part of what is copied.
    auto* mime = new QMimeData;
    mime->setText(copyText(textCursor().selection().toPlainText()));
    return mime;
}

void TextPane::contextMenuEvent(QContextMenuEvent* event) {
    if (m_extraActions.isEmpty()) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addActions(m_extraActions);
    menu->exec(event->globalPos());
}

} // namespace shell
