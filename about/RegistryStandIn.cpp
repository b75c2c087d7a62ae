#include "about/RegistryStandIn.h"

#include "about/SystemInfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace about {

namespace {

RegistryValue stringValue(const QString& text) {
    QByteArray data = text.toLocal8Bit();
    data.append('\0');
    return {REG_SZ_TYPE, data};
}

} // namespace

RegistryStandIn::RegistryStandIn(QString toolDirectory) : m_toolDirectory(std::move(toolDirectory)) {}

QStringList RegistryStandIn::knownTools() {
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

bool RegistryStandIn::readRegistryValue(quint32 root, const QString& keyName,
                                        const QString& valueName, RegistryValue& value) {
    if (root != HKEY_LOCAL_MACHINE_ROOT)
        return false;
    // Registry names ignore letter case.
    const auto same = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    if (same(keyName, msinfoKey()) && same(valueName, QStringLiteral("PATH"))) {
        for (const QString& tool : knownTools()) {
            const QString found = QStandardPaths::findExecutable(tool);
            if (!found.isEmpty()) {
                value = stringValue(found);
                return true;
            }
        }
        return false;
    }
    if (same(keyName, toolsLocationKey()) && same(valueName, QStringLiteral("MSINFO"))) {
        value = stringValue(m_toolDirectory);
        return true;
    }
    return false;
}

bool RegistryStandIn::isNormalFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool RegistryStandIn::startProgram(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, QStringList());
}

} // namespace about
