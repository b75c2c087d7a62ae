#include "report/Report.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "personal/PersonalContent.h"
#include "personal/VibrationGrid.h"
#include "report/Artwork.h"
#include "shell/Version.h"
#include "zodiac/SignCatalogue.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace report {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("report::Report", text); }

// A caption of a screen's option button as a heading: without its access-key mark.
QString caption(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).remove(QLatin1Char('&'));
}

QFont bookFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11);
    return font;
}

// Writes a report into a document with a cursor, in the document's units (pixels at 96 dpi,
// scaled to the device it is laid out for).
class Composer {
public:
    explicit Composer(QTextDocument& document) : m_cursor(&document) {
        document.setDefaultFont(bookFont());
        document.setDocumentMargin(0);
    }

    void heading(const QString& text, int level, bool newPage = false) {
        QTextBlockFormat block;
        block.setTopMargin(level == 0 ? 0 : 18 - 4 * level);
        block.setBottomMargin(8);
        block.setHeadingLevel(level + 1);
        if (newPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCharFormat chars;
        chars.setFontPointSize(level == 0 ? 24 : level == 1 ? 17 : 13.5);
        chars.setFontWeight(QFont::Bold);
        chars.setForeground(QColor(0x00, 0x00, 0x80));
        block_(block, chars, text);
    }

    void paragraph(const QString& text, bool emphasis = false) {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignJustify);
        block.setBottomMargin(7);
        QTextCharFormat chars;
        if (emphasis) {
            chars.setFontItalic(true);
            chars.setFontWeight(QFont::DemiBold);
        }
        block_(block, chars, text);
    }

    void paragraphs(const QStringList& texts, const QStringList& emphasised = {}) {
        for (const QString& text : texts)
            paragraph(text, emphasised.contains(text));
    }

    // The sign's banner, its name and birthday range, and an optional line under them.
    void sign(zodiac::Sign sign, const QString& who) {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setTopMargin(14);
        block_(block, {}, QString());
        m_cursor.insertImage(bannerFormat(sign));
        QTextCharFormat strong;
        strong.setFontPointSize(14);
        strong.setFontWeight(QFont::Bold);
        block.setTopMargin(4);
        block_(block, strong, who.isEmpty() ? zodiac::signName(sign)
                                             : who + QStringLiteral(": ") + zodiac::signName(sign));
        block.setTopMargin(0);
        block.setBottomMargin(10);
        block_(block, {}, zodiac::BirthdayRange(zodiac::signName(sign)));
    }

    // A grid as a table: a header row of column names, then a row per line, its first cell
    // the line's name.
    void table(const QStringList& columns, const QList<QStringList>& rows) {
        QTextTableFormat format;
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderCollapse(true);
        format.setAlignment(Qt::AlignHCenter);
        format.setTopMargin(6);
        format.setBottomMargin(10);
        format.setHeaderRowCount(1); // repeated on the next page when the table is split
        QTextTable* table = m_cursor.insertTable(int(rows.size()) + 1, int(columns.size()) + 1, format);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int column = 0; column < columns.size(); ++column)
            cell(*table, 0, column + 1, columns[column], bold, Qt::AlignHCenter);
        for (int row = 0; row < rows.size(); ++row) {
            const QStringList& line = rows[row];
            cell(*table, row + 1, 0, line.value(0), bold, Qt::AlignLeft);
            for (int column = 1; column < line.size(); ++column)
                cell(*table, row + 1, column, line[column], {}, Qt::AlignHCenter);
        }
        m_cursor.movePosition(QTextCursor::End);
    }

private:
    static void cell(QTextTable& table, int row, int column, const QString& text,
                     const QTextCharFormat& chars, Qt::Alignment alignment) {
        QTextCursor at = table.cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment);
        at.setBlockFormat(block);
        at.insertText(text, chars);
    }

    // Starts a new block (the document's first block is used as it is).
    void block_(const QTextBlockFormat& block, const QTextCharFormat& chars, const QString& text) {
        if (m_started)
            m_cursor.insertBlock(block, chars);
        else {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(chars);
        }
        m_started = true;
        m_cursor.insertText(text, chars);
    }

    QTextCursor m_cursor;
    bool m_started = false;
};

struct PersonalTopic {
    personal::Topic topic;
    const char* caption;
};
constexpr PersonalTopic kPersonalTopics[] = {{personal::Topic::Introduction, "&Introduction"},
                                             {personal::Topic::House, "&House"},
                                             {personal::Topic::Quality, "&Quality"},
                                             {personal::Topic::Planet, "&Planet"},
                                             {personal::Topic::Element, "&Element"}};

// Two grids of six signs across, as the screens show them.
QList<QStringList> gridRows(int firstColumn, const std::function<QString(int, int)>& value,
                            const QStringList& lineNames) {
    QList<QStringList> rows;
    for (int line = 0; line < lineNames.size(); ++line) {
        QStringList row{lineNames[line]};
        for (int column = firstColumn; column < firstColumn + 6; ++column)
            row << value(line, column);
        rows << row;
    }
    return rows;
}

QStringList abbreviations(int firstColumn) {
    QStringList names;
    for (int column = firstColumn; column < firstColumn + 6; ++column)
        names << zodiac::SignAbbreviation(zodiac::signAt(column));
    return names;
}

void relationship(Composer& out) {
    out.paragraphs(personal::RelationshipIntroParagraphs());
    const QStringList signs = zodiac::signNames();
    for (const int first : {0, 6})
        out.table(abbreviations(first), gridRows(first, [](int line, int column) {
                      return QString::number(personal::VibrationNumber(zodiac::signAt(line),
                                                                       zodiac::signAt(column)));
                  }, signs));
    out.paragraphs(personal::VibrationMeaningParagraphs());
}

void loveRatings(Composer& out) {
    out.paragraph(compat::LoveRatingsLegend().simplified());
    QStringList traits;
    for (const compat::TraitRatings& trait : compat::LoveRatings())
        traits << QString::fromLatin1(trait.trait);
    for (const int first : {0, 6})
        out.table(abbreviations(first), gridRows(first, [](int line, int column) {
                      return QString::number(
                          compat::LoveRatings()[std::size_t(line)].ratings[std::size_t(column)]);
                  }, traits));
}

// The six topics of a sign under headings of `level`.
void personalTopics(Composer& out, zodiac::Sign sign, int level) {
    const QString name = zodiac::signName(sign);
    for (const PersonalTopic& topic : kPersonalTopics) {
        out.heading(caption("frmPersonal", topic.caption), level);
        out.paragraphs(personal::TopicParagraphs(topic.topic, name).value_or(QStringList()));
    }
    out.heading(caption("frmPersonal", "&Relationship"), level);
    relationship(out);
}

QString creator() { return QStringLiteral("Zelvoria ") + shell::VersionText(); }

} // namespace

std::optional<Report> coupleReport(const QString& userSign, const QString& partnerSign,
                                   const QString& partnerGender) {
    const auto user = zodiac::signFromName(userSign);
    const auto partner = zodiac::signFromName(partnerSign);
    if (!user || !partner || !zodiac::IsGenderWord(partnerGender))
        return std::nullopt;
    const auto match = compat::LoveMatchParagraphs(userSign, partnerSign);
    const auto dos = compat::DosAndDontsParagraphs(partnerSign);
    const auto date = compat::DateGuideParagraphs(partnerSign);
    const auto gift = compat::GiftGuideParagraphs(partnerSign, partnerGender);
    if (!match || !dos || !date || !gift)
        return std::nullopt;

    Report report;
    report.title = tr("%1 and %2 - love analysis").arg(userSign, partnerSign);
    report.subject = tr("The love analysis of %1 and %2, with the personal analysis of each sign, by %3")
                         .arg(userSign, partnerSign, creator());
    report.compose = [=](QTextDocument& document) {
        Composer out(document);
        out.heading(tr("%1 and %2").arg(userSign, partnerSign), 0);
        out.paragraph(tr("A love analysis by %1").arg(creator()), true);
        out.sign(*user, tr("You"));
        out.sign(*partner, partnerGender == QLatin1String("He") ? tr("Your partner (he)")
                                                                : tr("Your partner (she)"));
        const QStringList headings = compat::GuideHeadings();
        out.heading(caption("frmLove", "&Love Match"), 1, true);
        out.paragraphs(*match);
        out.heading(tr("Do's and Don'ts"), 1);
        out.paragraphs(*dos);
        out.heading(caption("frmLove", "Da&te Guide"), 1);
        out.paragraphs(*date, headings);
        out.heading(caption("frmLove", "&Gift Guide"), 1);
        out.paragraphs(*gift, headings);
        out.heading(caption("frmLove", "Love &Ratings"), 1);
        loveRatings(out);
        QList<zodiac::Sign> signs{*user};
        if (*partner != *user)
            signs << *partner;
        for (const zodiac::Sign sign : signs) {
            out.heading(tr("%1 - personal analysis").arg(zodiac::signName(sign)), 1, true);
            personalTopics(out, sign, 2);
        }
    };
    return report;
}

std::optional<Report> personalReport(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    Report report;
    report.title = tr("%1 - personal analysis").arg(sign);
    report.subject = tr("The personal analysis of %1 by %2").arg(sign, creator());
    report.compose = [found](QTextDocument& document) {
        Composer out(document);
        out.heading(tr("%1 - personal analysis").arg(zodiac::signName(*found)), 0);
        out.paragraph(tr("A personal analysis by %1").arg(creator()), true);
        out.sign(*found, QString());
        personalTopics(out, *found, 1);
    };
    return report;
}

std::unique_ptr<QTextDocument> makeDocument(const Report& report) {
    auto document = std::make_unique<QTextDocument>();
    // Composed before it has a layout: a layout would follow every insertion.
    report.compose(*document);
    drawPicturesAsVectors(*document);
    return document;
}

} // namespace report
