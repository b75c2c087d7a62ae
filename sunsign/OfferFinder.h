#pragma once
// The one hook a screen needs: its "find the sign" button opens the finder over the button's
// window, and "Use this sign" puts the sign into the screen's sign box as a pick from its list
// would (the index set, then the box's activated(int) emitted). Cancel changes nothing.

class QAbstractButton;
class QComboBox;

namespace sunsign {

void offerFinder(QAbstractButton& button, QComboBox& signBox);

} // namespace sunsign
