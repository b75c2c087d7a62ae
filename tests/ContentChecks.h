#pragma once
// Checks shared by the content tests: the form every prose paragraph of the program keeps.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace contentchecks {

// The first fault of a one-line prose paragraph, or the empty string: printable ASCII only (so
// no tabs or line breaks), no space at either end, no two spaces in a row, no word longer than
// `longestWord` characters.
QString textFault(const QString& text, int longestWord);

double median(QList<int> values);

// Within a tenth of the expected value, either way.
bool near(double value, double expected);

// The grids among pane rows, read as a user reads them: a header of three-letter abbreviations
// with a rule of dashes under each, then rows that open with a label and show one digit under the
// middle letter of each abbreviation. Labels and columns are listed as they appear; `fault` holds
// the first thing a reader would find wrong (a row wider than the pane, a header without its
// rule, a digit under no abbreviation), or is empty.
struct GridCells {
    QStringList labels;
    QStringList columns;
    QHash<QString, QHash<QString, int>> cells; // label -> abbreviation -> digit
    QString fault;
};
GridCells readGrids(const QStringList& rows, int width);

} // namespace contentchecks
