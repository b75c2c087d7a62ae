// The love ratings grid: nine traits of a lover rated for every sign, shown as two blocks of
// six signs. The rows are built to the pane's width and shown as they are, never laid out.

#include "compat/SignGuides.h"

#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

#include <array>

namespace compat {

namespace {

constexpr std::array<TraitRatings, 9> kRatings{{
    {"Caring", {1, 2, 3, 3, 2, 2, 2, 3, 1, 2, 1, 3}},
    {"Daring", {3, 2, 3, 2, 3, 1, 2, 2, 3, 1, 2, 2}},
    {"Devoted", {2, 3, 1, 3, 3, 3, 2, 3, 2, 3, 1, 3}},
    {"Flirtatious", {3, 2, 3, 1, 3, 1, 2, 2, 3, 2, 3, 2}},
    {"Jealous", {2, 3, 1, 3, 3, 3, 2, 3, 1, 2, 1, 3}},
    {"Libido", {3, 3, 2, 2, 3, 1, 2, 3, 3, 2, 1, 2}},
    {"Playful", {3, 2, 3, 2, 3, 1, 3, 2, 3, 2, 2, 2}},
    {"Possessive", {2, 3, 1, 2, 3, 2, 2, 3, 1, 2, 1, 2}},
    {"Romantic", {3, 3, 2, 3, 3, 2, 3, 2, 2, 2, 2, 3}},
}};

constexpr int kSignsPerBlock = 6;
constexpr qsizetype kTraitColumn = 12; // trait names, left-aligned
constexpr qsizetype kIndent = kTraitColumn - 1; // abbreviations start one column earlier

// A block: the abbreviations, a rule under them, and one row per trait whose digits stand
// under the middle letters of the abbreviations.
QString ratingsBlock(int firstSign) {
    QString header(kIndent, QLatin1Char(' '));
    QString rule(kIndent, QLatin1Char(' '));
    for (int place = firstSign; place < firstSign + kSignsPerBlock; ++place) {
        header += zodiac::SignAbbreviation(zodiac::signAt(place)) + QLatin1Char(' ');
        rule += QStringLiteral("--- ");
    }
    QString rows = header + rule;
    for (const TraitRatings& trait : LoveRatings()) {
        QString row = QString::fromLatin1(trait.trait).leftJustified(kTraitColumn);
        for (int place = firstSign; place < firstSign + kSignsPerBlock; ++place)
            row += QString::number(trait.ratings[static_cast<std::size_t>(place)]) +
                   QStringLiteral("   ");
        row.truncate(textlayout::PaneColumns);
        rows += row;
    }
    return rows;
}

} // namespace

static_assert(zodiac::SignCount == 12, "a trait's ratings hold one number per sign");

const std::array<TraitRatings, 9>& LoveRatings() { return kRatings; }

QString LoveRatingsLegend() { return QStringLiteral("3 = High     2 = Medium    1 = Low "); }

QString BuildLoveRatingsText() {
    return LoveRatingsLegend() + textlayout::BlankLine() + ratingsBlock(0) + textlayout::BlankLine() +
           ratingsBlock(kSignsPerBlock);
}

} // namespace compat
