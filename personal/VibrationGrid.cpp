#include "personal/VibrationGrid.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace personal {

namespace {
constexpr int ColumnsPerBlock = 6;
constexpr int NameField = 13;
constexpr int HeaderGap = 13;

QString spaces(int count) {
    return QString(count, QLatin1Char(' '));
}
} // namespace

int VibrationNumber(zodiac::Sign a, zodiac::Sign b) {
    const int distance = std::abs(zodiac::placeOf(a) - zodiac::placeOf(b));
    return std::min(distance, zodiac::SignCount - distance) + 1;
}

VibrationBlock VibrationGridBlock(int block) {
    const int first = block * ColumnsPerBlock;
    VibrationBlock result;

    // Each abbreviation is centred over its column of digits, and the dashes under it start
    // the next pane row after the breaking space. The second header follows the first block's
    // 34-character last row and a blank row; in the pane the separator's first space fills
    // out that last row, so the blank row ends one space into this header, which therefore
    // carries one more leading space to stay in line.
    QStringList abbreviations;
    for (int column = first; column < first + ColumnsPerBlock; ++column)
        abbreviations << zodiac::SignAbbreviation(zodiac::signAt(column));
    result.header = spaces(block == 0 ? NameField - 1 : NameField) +
                    abbreviations.join(QLatin1Char(' ')) + spaces(HeaderGap) +
                    QStringLiteral("--- ").repeated(ColumnsPerBlock);

    for (int place = 0; place < zodiac::SignCount; ++place) {
        const zodiac::Sign sign = zodiac::signAt(place);
        QString row = zodiac::signName(sign).leftJustified(NameField);
        for (int column = first; column < first + ColumnsPerBlock; ++column) {
            row += QString::number(VibrationNumber(sign, zodiac::signAt(column)));
            row += spaces(column < first + ColumnsPerBlock - 1 ? 3 : 1);
        }
        result.rows += row;
    }
    // The last row ends on its digit: no space follows Pisces' last number.
    result.rows.chop(1);
    return result;
}

} // namespace personal
