#include "textlayout/FormatParagraph.h"

#include <vector>

namespace textlayout {

QString BlankLine() { return QString(PaneColumns, QLatin1Char(' ')); }

namespace {

constexpr QChar kSpace = QLatin1Char(' ');

// Appends the characters [from, to) of the paragraph, widening each gap by the extra spaces it
// was handed: the extras are dealt out one at a time from the leftmost gap, round and round.
void appendJustified(QString& out, const QString& s, qsizetype from, qsizetype to,
                     const std::vector<qsizetype>& gaps, qsizetype extra) {
    const auto gapCount = static_cast<qsizetype>(gaps.size());
    std::size_t nextGap = 0;
    for (qsizetype k = from; k < to; ++k) {
        out += s[k];
        if (nextGap < gaps.size() && gaps[nextGap] == k) {
            const auto index = static_cast<qsizetype>(nextGap);
            const qsizetype widen = extra / gapCount + (index < extra % gapCount ? 1 : 0);
            out += QString(widen, kSpace);
            ++nextGap;
        }
    }
}

} // namespace

// A line offers no choice when it has no break space inside its capacity (a run of characters
// longer than the line) or when its only such space is the break (two words filling the line).
// Rule for those lines, which keeps every character in order and every line its usual length:
// two words stay as they are and the extra spaces go to the end of the line; a run longer than
// the line is cut at the line's capacity and the next line opens with an added space in place
// of the space it would have broken on, so the rows after it stay aligned.
QString FormatParagraph(const QString& paragraph, const qint16& width) {
    const QString& s = paragraph;
    const qsizetype length = s.size();
    if (length == 0)
        return QString();
    if (width <= 0)
        return s;

    const qsizetype w = width;
    QString out;
    out.reserve(length + length / w * 4 + 2 * (w + 1));

    qsizetype p = 0;        // first character of s on the current line
    qsizetype capacity = w; // characters of s the line takes before widening
    qsizetype added = 0;    // 1 when the line opened with an added space
    for (;;) {
        const qsizetype rest = length - p;
        if (rest <= capacity) { // last line: the rest, filled out to w + 1 in all
            out += QStringView(s).mid(p);
            out += QString(w + 1 - added - rest, kSpace);
            break;
        }
        const qsizetype after = p + capacity;
        if (s[after] == kSpace) { // exact fit: the next line opens on that space
            out += QStringView(s).mid(p, capacity);
            p = after;
            capacity = w + 1;
            added = 0;
            continue;
        }
        qsizetype breakAt = -1;
        for (qsizetype k = after - 1; k > p; --k) {
            if (s[k] == kSpace) {
                breakAt = k;
                break;
            }
        }
        if (breakAt < 0) { // nothing to break on: cut at the capacity
            out += QStringView(s).mid(p, capacity);
            out += kSpace;
            p = after;
            capacity = w;
            added = 1;
            continue;
        }
        std::vector<qsizetype> gaps;
        for (qsizetype k = p + 1; k < breakAt; ++k) {
            if (s[k] == kSpace)
                gaps.push_back(k);
        }
        const qsizetype extra = after - breakAt;
        if (gaps.empty()) {
            out += QStringView(s).mid(p, breakAt - p);
            out += QString(extra, kSpace);
        } else {
            appendJustified(out, s, p, breakAt, gaps, extra);
        }
        p = breakAt;
        capacity = w + 1;
        added = 0;
    }
    return out;
}

} // namespace textlayout
