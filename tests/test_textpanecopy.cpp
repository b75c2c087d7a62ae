// Copying out of the text pane: what lands on the clipboard is what the pane shows, row by row,
// without the spaces that only pad rows to the pane's width.

#include "shell/TextPane.h"
#include "textlayout/FormatParagraph.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTextCursor>
#include <QtTest>
#include <memory>

using shell::TextPane;
using textlayout::BlankLine;
using textlayout::FormatParagraph;

namespace {

// Two justified paragraphs and a blank row between them, as the analysis texts are built.
QString twoParagraphs() {
    return FormatParagraph(QStringLiteral("The first paragraph is long enough to be laid out "
                                          "over three rows of the pane, justified."),
                           35) +
           BlankLine() + FormatParagraph(QStringLiteral("A short one."), 35);
}

const QString kTwoParagraphsCopied = QStringLiteral("The  first paragraph is long enough\n"
                                                    "to  be  laid out over three rows of\n"
                                                    "the pane, justified.\n"
                                                    "\n"
                                                    "A short one.");

QString withoutMnemonic(QString text) {
    text.remove(QLatin1Char('&'));
    return text.section(QLatin1Char('\t'), 0, 0);
}

} // namespace

class TestTextPaneCopy : public QObject {
    Q_OBJECT

    std::unique_ptr<TextPane> m_pane;

    // A shown, active pane holding `text`, with the keyboard focus.
    TextPane& activePane(const QString& text) {
        m_pane = std::make_unique<TextPane>();
        m_pane->resize(305, 289);
        m_pane->setText(text);
        m_pane->show();
        m_pane->activateWindow();
        if (!QTest::qWaitForWindowActive(m_pane.get()))
            qWarning("pane window did not become active");
        m_pane->setFocus();
        return *m_pane;
    }

private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("(nothing copied)")); }
    void cleanup() { m_pane.reset(); }

    void copyTextTrimsOnlyTrailingSpaces_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("copied");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("padded last row") << QStringLiteral("warmth.      ") << QStringLiteral("warmth.");
        QTest::newRow("blank row becomes an empty line")
            << QStringLiteral("one\n") + QString(35, QLatin1Char(' ')) + QStringLiteral("\ntwo")
            << QStringLiteral("one\n\ntwo");
        QTest::newRow("leading and inner spaces stay")
            << QStringLiteral("  Ari  Tau   \nLeo   5") << QStringLiteral("  Ari  Tau\nLeo   5");
        QTest::newRow("no line break added or removed at the end")
            << QStringLiteral("a  \n") << QStringLiteral("a\n");
        QTest::newRow("other white space is not padding")
            << QStringLiteral("tab\t") << QStringLiteral("tab\t");
    }
    void copyTextTrimsOnlyTrailingSpaces() {
        QFETCH(QString, shown);
        QFETCH(QString, copied);
        QCOMPARE(TextPane::copyText(shown), copied);
    }

    void keysSelectAllAndCopy_data() {
        QTest::addColumn<QKeySequence>("copyKey");
        QTest::newRow("Ctrl+C") << QKeySequence(Qt::CTRL | Qt::Key_C);
        QTest::newRow("Ctrl+Insert") << QKeySequence(Qt::CTRL | Qt::Key_Insert);
    }
    void keysSelectAllAndCopy() {
        QFETCH(QKeySequence, copyKey);
        TextPane& pane = activePane(twoParagraphs());
        QTest::keySequence(&pane, QKeySequence(Qt::CTRL | Qt::Key_A));
        QTest::keySequence(&pane, copyKey);
        QCOMPARE(QGuiApplication::clipboard()->text(), kTwoParagraphsCopied);
        // The copy is the pane's rows exactly, trailing spaces aside.
        QCOMPARE(QGuiApplication::clipboard()->text(), TextPane::copyText(pane.rows().join('\n')));
        // Selecting and copying change nothing the pane holds.
        QCOMPARE(pane.text(), twoParagraphs());
    }

    void partOfTheTextCopiesAsSelected() {
        TextPane& pane = activePane(twoParagraphs());
        // From "justified." (end of the third row) to "A" on the last row.
        QTextCursor cursor = pane.textCursor();
        const qsizetype from = pane.toPlainText().indexOf(QStringLiteral("justified."));
        const qsizetype to = pane.toPlainText().indexOf(QStringLiteral("A short"));
        QVERIFY(from > 0 && to > from);
        cursor.setPosition(static_cast<int>(from));
        cursor.setPosition(static_cast<int>(to + 1), QTextCursor::KeepAnchor);
        pane.setTextCursor(cursor);
        pane.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("justified.\n\nA"));
    }

    void contextMenuCopiesTheSelection() {
        TextPane& pane = activePane(twoParagraphs());
        std::unique_ptr<QMenu> menu(pane.createStandardContextMenu());
        QAction* copy = nullptr;
        QAction* selectAll = nullptr;
        for (QAction* action : menu->actions()) {
            if (withoutMnemonic(action->text()) == QLatin1String("Copy"))
                copy = action;
            if (withoutMnemonic(action->text()) == QLatin1String("Select All"))
                selectAll = action;
        }
        QVERIFY(copy && selectAll);
        QVERIFY(!copy->isEnabled()); // nothing selected yet
        selectAll->trigger();
        menu.reset(pane.createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (withoutMnemonic(action->text()) == QLatin1String("Copy"))
                copy = action;
        }
        QVERIFY(copy->isEnabled());
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), kTwoParagraphsCopied);
    }

    void thePaneStaysReadOnly_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("paste") << QKeySequence(Qt::CTRL | Qt::Key_V);
        QTest::newRow("cut") << QKeySequence(Qt::CTRL | Qt::Key_X);
        QTest::newRow("a letter") << QKeySequence(Qt::Key_Q);
        QTest::newRow("delete") << QKeySequence(Qt::Key_Delete);
    }
    void thePaneStaysReadOnly() {
        QFETCH(QKeySequence, key);
        TextPane& pane = activePane(twoParagraphs());
        const QStringList rows = pane.rows();
        QTest::keySequence(&pane, QKeySequence(Qt::CTRL | Qt::Key_A));
        QTest::keySequence(&pane, key);
        QCOMPARE(pane.rows(), rows);
        QCOMPARE(pane.text(), twoParagraphs());
    }
};

QTEST_MAIN(TestTextPaneCopy)
#include "test_textpanecopy.moc"
