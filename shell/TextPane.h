#pragma once
// The read-only text pane of the analysis screens: exactly 35 columns of a bold monospaced font,
// navy on white, scrolling vertically only. It keeps the text it was given and shows it broken
// into 35-column rows (see PaneRows), so laid-out lines and blank lines show as they are meant.
// The user can select (mouse, Ctrl+A) and copy (Ctrl+C, Ctrl+Insert, context menu "Copy") what
// the pane shows: the selected rows joined by line breaks, each row without the spaces that only
// pad it to the pane's width, so blank rows paste as empty lines. Commands a screen adds
// (setExtraActions) follow Copy and Select All in the context menu.

#include <QPlainTextEdit>
#include <QStringList>

namespace shell {

class TextPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextPane(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // The rows as shown, one per line of the pane.
    QStringList rows() const;

    // What copying the given shown text puts on the clipboard: rows (split at line breaks)
    // lose their trailing spaces; everything else stays as shown.
    static QString copyText(const QString& shown);

    void setExtraActions(const QList<QAction*>& actions) { m_extraActions = actions; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString m_text;
    QList<QAction*> m_extraActions;
    int m_filledRevision = -1; // the document's revision right after setText filled it
};

} // namespace shell
