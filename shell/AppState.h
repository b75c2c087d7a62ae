#pragma once
// The one record of program state. Screens read and write its fields directly; nothing of it is
// kept between runs.

#include <QString>
#include <QtGlobal>

namespace shell {

struct AppState {
    QString UserSign;
    QString PartnerGender;
    QString PartnerSign;
    qint16 ProgressCount = 0;
};

AppState& appState();

} // namespace shell
