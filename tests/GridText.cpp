#include "GridText.h"

#include "zodiac/SignCatalogue.h"

#include <QStringList>
#include <cstdlib>

namespace gridtext {

QString vibrationBlock(int firstColumn, int leadingSpaces) {
    QString header = QString(leadingSpaces, QLatin1Char(' '));
    QStringList abbreviations;
    for (int b = firstColumn; b < firstColumn + 6; ++b)
        abbreviations << zodiac::SignAbbreviation(zodiac::signAt(b));
    header += abbreviations.join(QLatin1Char(' ')) + QString(13, QLatin1Char(' '));
    header += QStringLiteral("--- ").repeated(6);
    QString rows;
    for (int a = 0; a < zodiac::SignCount; ++a) {
        QString row = zodiac::signName(zodiac::signAt(a)).leftJustified(13);
        for (int b = firstColumn; b < firstColumn + 6; ++b) {
            const int d = std::abs(a - b);
            row += QString::number(std::min(d, 12 - d) + 1);
            row += b < firstColumn + 5 ? QStringLiteral("   ") : QStringLiteral(" ");
        }
        if (a == zodiac::SignCount - 1)
            row.chop(1);
        rows += row;
    }
    return header + rows;
}

QString loveRatingsGrid() {
    const char* rows[] = {
        "3 = High     2 = Medium    1 = Low ", "                                   ",
        "           Ari Tau Gem Can Leo Vir ", "           --- --- --- --- --- --- ",
        "Caring      1   2   3   3   2   2  ", "Daring      3   2   3   2   3   1  ",
        "Devoted     2   3   1   3   3   3  ", "Flirtatious 3   2   3   1   3   1  ",
        "Jealous     2   3   1   3   3   3  ", "Libido      3   3   2   2   3   1  ",
        "Playful     3   2   3   2   3   1  ", "Possessive  2   3   1   2   3   2  ",
        "Romantic    3   3   2   3   3   2  ", "                                   ",
        "           Lib Sco Sag Cap Aqu Pis ", "           --- --- --- --- --- --- ",
        "Caring      2   3   1   2   1   3  ", "Daring      2   2   3   1   2   2  ",
        "Devoted     2   3   2   3   1   3  ", "Flirtatious 2   2   3   2   3   2  ",
        "Jealous     2   3   1   2   1   3  ", "Libido      2   3   3   2   1   2  ",
        "Playful     3   2   3   2   2   2  ", "Possessive  2   3   1   2   1   2  ",
        "Romantic    3   2   2   2   2   3  "};
    QString grid;
    for (const char* row : rows)
        grid += QString::fromLatin1(row);
    return grid;
}

} // namespace gridtext
