#pragma once
// The two fixed grids of the program as the texts carry them, written out here independently of
// the program's builders so that the pane and the builders can both be checked against them.

#include <QString>

namespace gridtext {

// The relationship grid's block of six columns from `firstColumn`, its header indented by
// `leadingSpaces`.
QString vibrationBlock(int firstColumn, int leadingSpaces);
// The love ratings grid of both halves of the zodiac.
QString loveRatingsGrid();

} // namespace gridtext
