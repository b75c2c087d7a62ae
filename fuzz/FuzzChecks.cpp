#include "fuzz/FuzzChecks.h"

#include "music/MidiFileCheck.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"
#include "zodiac/SignCatalogue.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace fuzzchecks {

namespace {

constexpr QChar kSpace = QLatin1Char(' ');

std::string fail(const QString& what, const QString& detail) {
    QString text = what;
    if (!detail.isEmpty())
        text += QStringLiteral(": \"") + detail + QLatin1Char('"');
    return text.toStdString();
}

QString withoutSpaces(QString text) {
    return text.remove(kSpace);
}

QString decode(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// True when `longer` is `shorter` with nothing but spaces inserted.
bool onlySpacesInserted(const QString& shorter, const QString& longer) {
    qsizetype j = 0;
    for (qsizetype i = 0; i < longer.size(); ++i) {
        if (j < shorter.size() && longer[i] == shorter[j])
            ++j;
        else if (longer[i] != kSpace)
            return false;
    }
    return j == shorter.size();
}

// The paragraph as the content holds its prose: words separated by single spaces, none at the
// ends.
QString singleSpaced(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != kSpace || (!out.isEmpty() && out.back() != kSpace))
            out += c;
    }
    if (!out.isEmpty() && out.back() == kSpace)
        out.chop(1);
    return out;
}

// For a single-spaced paragraph: every line but the last, its leading space removed, starts on a
// word and is one of: justified (ends on a word, its gaps differing by at most one space, the
// wider ones on the left), one word followed by spaces (the line of two words), or a run of
// characters without spaces (part of a run longer than the line).
std::string checkJustified(const QString& laidOut, qsizetype w) {
    for (qsizetype start = 0; start + w + 1 < laidOut.size(); start += (start == 0 ? w : w + 1)) {
        const QStringView line = QStringView(laidOut).mid(start == 0 ? 0 : start + 1, w);
        if (line.front() == kSpace)
            return fail(QStringLiteral("the line at %1 does not start on a word").arg(start),
                        laidOut);
        qsizetype end = line.size();
        while (line[end - 1] == kSpace)
            --end;
        const QStringView words = line.left(end);
        if (!words.contains(kSpace))
            continue;
        if (end < line.size())
            return fail(QStringLiteral("the justified line at %1 ends in spaces").arg(start),
                        laidOut);
        qsizetype widest = 0;
        qsizetype previous = w;
        for (qsizetype k = 0; k < words.size();) {
            if (words[k] != kSpace) {
                ++k;
                continue;
            }
            qsizetype gap = 0;
            while (words[k] == kSpace) {
                ++gap;
                ++k;
            }
            widest = std::max(widest, gap);
            if (gap > previous || gap < widest - 1)
                return fail(
                    QStringLiteral("the gaps of the line at %1 are unevenly widened").arg(start),
                    laidOut);
            previous = gap;
        }
    }
    return {};
}

} // namespace

// The formatter's promise: nothing but spaces is added; the first line is `width` characters and
// every later line is one space (the break) followed by `width` characters, the last one filled
// out with spaces. That holds for every line, the ones that could not be justified included
// (a run longer than the line, two words filling the line): their rule keeps the usual lengths.
std::string checkLaidOut(const QString& paragraph, int width, const QString& laidOut) {
    if (paragraph.isEmpty())
        return laidOut.isEmpty() ? std::string()
                                 : fail(QStringLiteral("empty paragraph gave"), laidOut);
    if (width <= 0) {
        return laidOut == paragraph
                   ? std::string()
                   : fail(QStringLiteral("width <= 0 changed the paragraph"), laidOut);
    }
    if (withoutSpaces(laidOut) != withoutSpaces(paragraph))
        return fail(QStringLiteral("characters other than spaces were lost, added or reordered"),
                    laidOut);
    if (!onlySpacesInserted(paragraph, laidOut))
        return fail(QStringLiteral("a space of the paragraph was dropped"), laidOut);

    const qsizetype w = width;
    if (paragraph.size() <= w) {
        if (laidOut != paragraph + QString(w + 1 - paragraph.size(), kSpace))
            return fail(QStringLiteral("a short paragraph is not itself filled out to width + 1"),
                        laidOut);
        return {};
    }
    // Two lines or more: w, then lines of w + 1 characters, n * (w + 1) - 1 in all.
    if (laidOut.size() < 2 * w + 1 || (laidOut.size() + 1) % (w + 1) != 0) {
        return fail(
            QStringLiteral("length %1 is not n * (width + 1) - 1 for n >= 2").arg(laidOut.size()),
            laidOut);
    }
    for (qsizetype start = w; start < laidOut.size(); start += w + 1) {
        if (laidOut[start] != kSpace)
            return fail(QStringLiteral("the line at %1 does not open with a space").arg(start),
                        laidOut);
    }
    return paragraph == singleSpaced(paragraph) ? checkJustified(laidOut, w) : std::string();
}

// The pane's promise: every row fits the pane, only single spaces (the breaks) disappear between
// rows, and a word is split over two rows only when it is longer than a row.
std::string checkRows(const QString& text, int width, const QStringList& rows) {
    const qsizetype w = width;
    // Every place in the text at which the next row may start: more than one only while the
    // rows are all spaces.
    std::vector<qsizetype> starts{0};
    std::vector<qsizetype> next;
    for (int r = 0; r < rows.size(); ++r) {
        const QString& row = rows[r];
        if (row.isEmpty())
            return fail(QStringLiteral("row %1 is empty").arg(r), text);
        if (row.size() > w)
            return fail(QStringLiteral("row %1 is %2 columns wide").arg(r).arg(row.size()), row);
        next.clear();
        for (qsizetype start : starts) {
            for (qsizetype at : {start, start + 1}) {
                if (at > start && (r == 0 || text[start] != kSpace))
                    continue;
                if (QStringView(text).mid(at).startsWith(row) &&
                    std::find(next.begin(), next.end(), at + row.size()) == next.end())
                    next.push_back(at + row.size());
            }
        }
        if (next.empty())
            return fail(QStringLiteral("row %1 is not the text that follows the row before").arg(r),
                        row);
        // A row ending inside a word: only a word longer than a row is cut, at a full row.
        const qsizetype end = next.front();
        if (next.size() == 1 && end < text.size() && text[end] != kSpace && row.back() != kSpace &&
            (row.size() < w || QStringView(row).mid(1).contains(kSpace))) {
            return fail(QStringLiteral("row %1 cuts a word that would fit a row").arg(r), row);
        }
        starts.swap(next);
    }
    const qsizetype length = text.size();
    const auto reached = [&](qsizetype at) {
        return std::find(starts.begin(), starts.end(), at) != starts.end();
    };
    const bool reachesEnd =
        reached(length) || (length > 0 && text.back() == kSpace && reached(length - 1));
    if (!reachesEnd)
        return fail(QStringLiteral("the rows end before the text does"), text);
    return {};
}

std::string checkSignAnswers(const QString& text, bool isSign, bool isGender,
                             const QString& range) {
    // Spelled out here again on purpose: the catalogue must agree with this list, letter case
    // included, and accept nothing else.
    static const std::array<QStringView, 12> names{
        u"Aries", u"Taurus",  u"Gemini",      u"Cancer",    u"Leo",      u"Virgo",
        u"Libra", u"Scorpio", u"Sagittarius", u"Capricorn", u"Aquarius", u"Pisces"};
    static const std::array<QStringView, 2> genders{u"He", u"She"};
    bool expectSign = false;
    for (QStringView name : names)
        expectSign = expectSign || text == name;
    bool expectGender = false;
    for (QStringView word : genders)
        expectGender = expectGender || text == word;

    if (isSign != expectSign)
        return fail(isSign ? QStringLiteral("IsSignName accepts")
                           : QStringLiteral("IsSignName refuses"),
                    text);
    if (isGender != expectGender)
        return fail(isGender ? QStringLiteral("IsGenderWord accepts")
                             : QStringLiteral("IsGenderWord refuses"),
                    text);
    if (range.isEmpty() == expectSign)
        return fail(QStringLiteral("BirthdayRange disagrees with the sign names"), text);
    return {};
}

std::string checkFormatInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {};
    const qint16 width = static_cast<qint16>(data[0] % 64 - 3);
    // As given, then tidied as prose is.
    const QString paragraph = decode(data + 1, size - 1);
    const std::string failure =
        checkLaidOut(paragraph, width, textlayout::FormatParagraph(paragraph, width));
    const QString prose = singleSpaced(paragraph);
    if (!failure.empty() || prose == paragraph)
        return failure;
    return checkLaidOut(prose, width, textlayout::FormatParagraph(prose, width));
}

std::string checkPaneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int w = textlayout::PaneColumns;
    if (size == 0 || data[0] != '\n') {
        const QString text = decode(data, size);
        return checkRows(text, w, textlayout::PaneRows(text, w));
    }
    // Laid-out paragraphs between blank lines: every laid-out line is one row, exactly as wide as
    // the pane, and every blank line one row of spaces.
    const QStringList paragraphs = decode(data + 1, size - 1).split(QLatin1Char('\n'));
    QString text;
    QStringList lines;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            text += textlayout::BlankLine();
            lines << textlayout::BlankLine();
        }
        const QString laidOut = textlayout::FormatParagraph(singleSpaced(paragraphs[i]), w);
        text += laidOut;
        if (!laidOut.isEmpty())
            lines << laidOut.left(w);
        for (qsizetype k = w; laidOut.size() > w + 1 && k < laidOut.size(); k += w + 1)
            lines << laidOut.mid(k + 1, w);
    }
    const QStringList rows = textlayout::PaneRows(text, w);
    if (rows != lines) {
        for (qsizetype r = 0; r < rows.size() && r < lines.size(); ++r) {
            if (rows[r] != lines[r])
                return fail(
                    QStringLiteral("row %1 is not the laid-out line \"%2\"").arg(r).arg(lines[r]),
                    rows[r]);
        }
        return fail(
            QStringLiteral("%1 rows for %2 laid-out lines").arg(rows.size()).arg(lines.size()),
            text);
    }
    return {};
}

std::string checkSignInput(const std::uint8_t* data, std::size_t size) {
    const QString typed = decode(data, size);
    // The typed text and its near misses: other letter case, a blank before or after.
    const std::array<QString, 6> texts{
        typed,           typed.toLower(),
        typed.toUpper(), typed.isEmpty() ? typed : typed.left(1).toUpper() + typed.mid(1).toLower(),
        typed + kSpace,  kSpace + typed};
    for (const QString& text : texts) {
        std::string failure =
            checkSignAnswers(text, zodiac::IsSignName(text), zodiac::IsGenderWord(text),
                             zodiac::BirthdayRange(text));
        if (!failure.empty())
            return failure;
    }
    return {};
}

namespace {

// The end of the last track chunk a song file's header asks for, found by the chunks' lengths
// alone; -1 when they do not fit in the file.
qsizetype endOfTracks(const QByteArray& file) {
    auto number = [&file](qsizetype at, int bytes) {
        qsizetype value = 0;
        for (int i = 0; i < bytes; ++i)
            value = (value << 8) | static_cast<quint8>(file[at + i]);
        return value;
    };
    if (file.size() < 14)
        return -1;
    qsizetype tracks = number(10, 2), at = 8 + number(4, 4);
    while (tracks > 0) {
        if (file.size() - at < 8 || file.size() - at - 8 < number(at + 4, 4))
            return -1;
        tracks -= file.mid(at, 4) == "MTrk" ? 1 : 0;
        at += 8 + number(at + 4, 4);
    }
    return at;
}

} // namespace

std::string checkSongVerdicts(const QByteArray& file, const std::function<bool(const QByteArray&)>& accepts) {
    if (!accepts(file))
        return {};
    const qsizetype end = endOfTracks(file);
    if (end < 0)
        return "accepted a file whose chunks do not fit in it";
    for (const qsizetype cut : {1, 8}) {
        if (end >= cut && accepts(file.left(end - cut)))
            return "accepted the file cut " + std::to_string(cut) + " bytes short of its last track's end";
    }
    return {};
}

std::string checkSongInput(const std::uint8_t* data, std::size_t size) {
    const auto exactly = [](const QByteArray& bytes) {
        const std::vector<char> copy(bytes.begin(), bytes.end());
        return music::isStandardMidiFile(QByteArray::fromRawData(copy.data(), static_cast<qsizetype>(copy.size())));
    };
    return checkSongVerdicts(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                             exactly);
}

const std::vector<Target>& targets() {
    static const std::vector<Target> all{{"format_paragraph", &checkFormatInput},
                                         {"pane_rows", &checkPaneInput},
                                         {"sign_words", &checkSignInput},
                                         {"song_file", &checkSongInput}};
    return all;
}

} // namespace fuzzchecks
