#pragma once
// The compatibility vibration grid of the Relationship topic: the number of every pair of signs,
// as two fixed blocks of 35-column pane rows (signs 1 to 6 across, then 7 to 12). The blocks are
// shown exactly as built, never laid out as prose.

#include "zodiac/SignCatalogue.h"

#include <QString>

namespace personal {

// 1 for a sign with itself, 2 for neighbours, up to 7 for opposite signs.
int VibrationNumber(zodiac::Sign a, zodiac::Sign b);

struct VibrationBlock {
    QString header; // the column abbreviations over a row of dashes
    QString rows;   // one row per sign; the last row is one character short
};

// Block 0 holds the columns Aries to Virgo, block 1 Libra to Pisces.
VibrationBlock VibrationGridBlock(int block);

} // namespace personal
