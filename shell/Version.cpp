#include "shell/Version.h"

#include <QCoreApplication>

namespace shell {

VersionNumbers programVersion() {
    return {ZELVORIA_VERSION_MAJOR, ZELVORIA_VERSION_MINOR, ZELVORIA_VERSION_REVISION};
}

QString versionText(const VersionNumbers& version) {
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

QString VersionText() { return versionText(programVersion()); }

QString VersionCaption() {
    return QCoreApplication::translate("shell::Version", "Zelvoria - Version %1")
        .arg(VersionText());
}

} // namespace shell
