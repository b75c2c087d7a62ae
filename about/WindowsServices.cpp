#include "about/WindowsServices.h"

#ifdef Q_OS_WIN

#include "about/SystemInfo.h"

#include <QDir>
#include <QProcess>

#include <windows.h>

namespace about {

bool WindowsServices::readRegistryValue(quint32 root, const QString& keyName,
                                        const QString& valueName, RegistryValue& value) {
    // Predefined root keys are sign-extended handles.
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    HKEY key = nullptr;
    // Read rights only: a request for more is refused to ordinary users under HKEY_LOCAL_MACHINE.
    if (RegOpenKeyExA(rootKey, keyName.toLocal8Bit().constData(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    QByteArray buffer(kRegistryBufferSize, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG result = RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return false;
    buffer.truncate(static_cast<qsizetype>(size));
    value.type = static_cast<quint32>(type);
    value.data = buffer;
    return true;
}

bool WindowsServices::isNormalFile(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes &
            (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool WindowsServices::startProgram(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, QStringList());
}

} // namespace about

#endif
