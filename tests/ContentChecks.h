#pragma once
// Checks shared by the content tests: the form every prose paragraph of the program keeps.

#include <QList>
#include <QString>

namespace contentchecks {

// The first fault of a one-line prose paragraph, or the empty string: printable ASCII only (so
// no tabs or line breaks), no space at either end, no two spaces in a row, no word longer than
// `longestWord` characters.
QString textFault(const QString& text, int longestWord);

double median(QList<int> values);

// Within a tenth of the expected value, either way.
bool near(double value, double expected);

} // namespace contentchecks
