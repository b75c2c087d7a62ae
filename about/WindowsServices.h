#pragma once
// The system services on Windows: the real registry, file attributes and process start.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "about/PlatformServices.h"

namespace about {

class WindowsServices : public SystemServices {
public:
    bool readRegistryValue(quint32 root, const QString& keyName, const QString& valueName,
                           RegistryValue& value) override;
    bool isNormalFile(const QString& path) override;
    bool startProgram(const QString& path) override;
};

} // namespace about

#endif
