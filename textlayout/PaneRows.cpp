#include "textlayout/PaneRows.h"

namespace textlayout {

namespace {
constexpr QChar kSpace = QLatin1Char(' ');

// The length of the run of spaces at `from`, counted up to `limit` only: the rule needs no more,
// and counting a long run to its end at every row would take time quadratic in its length.
qsizetype spaceRun(const QString& text, qsizetype from, qsizetype limit) {
    qsizetype end = from;
    while (end < text.size() && end - from < limit && text[end] == kSpace)
        ++end;
    return end - from;
}
} // namespace

QStringList PaneRows(const QString& text, int width) {
    QStringList rows;
    if (width <= 0)
        return text.isEmpty() ? rows : QStringList{text};
    const qsizetype w = width;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.size() - i <= w) {
            rows << text.mid(i);
            break;
        }
        const qsizetype after = i + w;
        if (text[after] == kSpace) {
            const qsizetype run = spaceRun(text, after, w);
            const bool endsOnWord = text[after - 1] != kSpace;
            rows << text.mid(i, w);
            i = (run == 1 || (endsOnWord && run < w)) ? after + 1 : after;
        } else if (text[after - 1] == kSpace) {
            rows << text.mid(i, w);
            i = after;
        } else {
            qsizetype lastSpace = -1;
            for (qsizetype k = after - 1; k > i; --k) {
                if (text[k] == kSpace) {
                    lastSpace = k;
                    break;
                }
            }
            if (lastSpace < 0) {
                rows << text.mid(i, w);
                i = after;
            } else {
                rows << text.mid(i, lastSpace - i);
                i = lastSpace + 1;
            }
        }
    }
    return rows;
}

} // namespace textlayout
