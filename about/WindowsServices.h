#pragma once
// The Windows side of the system information lookup: the registry and file attributes.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "about/SystemInfo.h"

namespace about {

// The path registered for the tool under HKEY_LOCAL_MACHINE, taken as it is; else MSINFO32.EXE
// in the registered shared tools folder, if it is a normal file there. Empty when neither.
QString registeredSystemInfoTool(SystemServices& system);

// Not hidden, not a system file, not a folder.
bool isNormalWindowsFile(const QString& path);

} // namespace about

#endif
