#pragma once
// The read-only text pane of the analysis screens: exactly 35 columns of a bold monospaced font,
// navy on white, scrolling vertically only. It keeps the text it was given and shows it broken
// into 35-column rows (see PaneRows), so laid-out lines and blank lines show as they are meant.

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

private:
    QString m_text;
    int m_filledRevision = -1; // the document's revision right after setText filled it
};

} // namespace shell
