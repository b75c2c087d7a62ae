#include "ContentChecks.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace contentchecks {

QString textFault(const QString& text, int longestWord) {
    if (text.isEmpty())
        return QStringLiteral("empty");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 || c > 0x7e)
            return QStringLiteral("character %1 at %2 is not printable ASCII").arg(int(c)).arg(i);
    }
    if (text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
        return QStringLiteral("space at an end");
    const qsizetype doubled = text.indexOf(QLatin1String("  "));
    if (doubled >= 0)
        return QStringLiteral("two spaces at %1").arg(doubled);
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (word.size() > longestWord)
            return QStringLiteral("word \"%1\" is %2 characters").arg(word).arg(word.size());
    }
    return {};
}

double median(QList<int> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

bool near(double value, double expected) { return value >= expected * 0.9 && value <= expected * 1.1; }

namespace {
// The abbreviation whose middle letter stands at `at`, or the empty string.
QString abbreviationAt(const QString& header, qsizetype at) {
    if (at < 1 || at + 1 >= header.size())
        return {};
    const QString word = header.mid(at - 1, 3);
    const bool alone =
        (at < 2 || header[at - 2] == u' ') && (at + 2 >= header.size() || header[at + 2] == u' ');
    return alone && std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); })
               ? word
               : QString();
}
} // namespace

GridCells readGrids(const QStringList& rows, int width) {
    static const QRegularExpression headerRow(
        QStringLiteral("^ +[A-Z][a-z]{2}( [A-Z][a-z]{2})+ *$"));
    static const QRegularExpression gridRow(QStringLiteral("^([A-Z][a-z]+) +\\d( +\\d)* *$"));
    GridCells grid;
    QString header;
    for (qsizetype r = 0; r < rows.size() && grid.fault.isEmpty(); ++r) {
        const QString& row = rows[r];
        if (row.size() > width) {
            grid.fault = QStringLiteral("wider than the pane: \"%1\"").arg(row);
        } else if (headerRow.match(row).hasMatch()) {
            header = row;
            const QString rule = rows.value(++r);
            for (qsizetype at = 0; at < header.size(); ++at) {
                const QString abbreviation = abbreviationAt(header, at);
                if (abbreviation.isEmpty())
                    continue;
                grid.columns << abbreviation;
                if (rule.mid(at - 1, 3) != QLatin1String("---"))
                    grid.fault = QStringLiteral("no rule under %1: \"%2\"").arg(abbreviation, rule);
            }
        } else if (const auto match = gridRow.match(row); match.hasMatch()) {
            const QString label = match.captured(1);
            grid.labels << label;
            for (qsizetype at = label.size(); at < row.size(); ++at) {
                if (!row[at].isDigit())
                    continue;
                const QString abbreviation = abbreviationAt(header, at);
                if (abbreviation.isEmpty())
                    grid.fault = QStringLiteral("a digit under no abbreviation: \"%1\"").arg(row);
                grid.cells[label][abbreviation] = row[at].digitValue();
            }
        }
    }
    return grid;
}

} // namespace contentchecks
