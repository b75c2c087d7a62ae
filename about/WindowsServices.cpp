#include "about/WindowsServices.h"

#ifdef Q_OS_WIN

#include <QDir>

#include <optional>

#include <windows.h>

namespace about {

namespace {

// A string value under HKEY_LOCAL_MACHINE, opened for reading only (ordinary users may not ask
// for more there). Nothing when the key or value cannot be read or is too long; an empty text
// when the value holds no string.
std::optional<QString> machineString(const wchar_t* key, const wchar_t* value) {
    wchar_t text[512];
    DWORD size = sizeof text;
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text, &size);
    if (status == ERROR_UNSUPPORTED_TYPE)
        return QString();
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(text);
}

} // namespace

QString registeredSystemInfoTool(SystemServices& system) {
    if (const auto path = machineString(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH"))
        return *path;
    if (const auto folder = machineString(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO")) {
        const QString candidate = *folder + QStringLiteral("\\MSINFO32.EXE");
        if (system.isNormalFile(candidate))
            return candidate;
    }
    return {};
}

bool isNormalWindowsFile(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

} // namespace about

#endif
