#pragma once
// Where there is no system registry, a read-only stand-in answers the two lookups of the
// system information tool:
//  - the tool's full path: the first of a few known system information tools found on the
//    search path;
//  - the tool's directory: a fixed folder, in which the tool file must then be found.
// Values come back as the registry holds strings, with a terminating zero byte.

#include "about/PlatformServices.h"

#include <QStringList>

namespace about {

class RegistryStandIn : public SystemServices {
public:
    explicit RegistryStandIn(QString toolDirectory = QStringLiteral("/usr/bin"));

    // In the order they are preferred.
    static QStringList knownTools();

    bool readRegistryValue(quint32 root, const QString& keyName, const QString& valueName,
                           RegistryValue& value) override;
    bool isNormalFile(const QString& path) override;
    bool startProgram(const QString& path) override;

private:
    QString m_toolDirectory;
};

} // namespace about
