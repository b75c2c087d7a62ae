#include "ContentChecks.h"

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

} // namespace contentchecks
