#pragma once
// What the About screen needs of the operating system, behind small interfaces so that the
// lookups can be exercised with fakes: reading a registry value, checking for a normal file,
// starting a program, and opening a web address with the desktop's default handler.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace about {

// Root key handles as the registry numbers them.
inline constexpr quint32 HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;

// Value types of the registry.
inline constexpr quint32 REG_SZ_TYPE = 1;
inline constexpr quint32 REG_DWORD_TYPE = 4;

// A registry value as stored: its type and its bytes, a string's terminating zero included
// when the writer stored one.
struct RegistryValue {
    quint32 type = 0;
    QByteArray data;
};

class SystemServices {
public:
    virtual ~SystemServices() = default;
    // Opens KeyName under the root for reading and reads one value of it. False when the key
    // cannot be opened or the value cannot be read.
    virtual bool readRegistryValue(quint32 root, const QString& keyName, const QString& valueName,
                                   RegistryValue& value) = 0;
    // A normal file: hidden and system files and directories do not count.
    virtual bool isNormalFile(const QString& path) = 0;
    // Starts the program in a normal window and returns at once, without a shell in between.
    virtual bool startProgram(const QString& path) = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Hands the address to the desktop's default handler; false when it could not.
    virtual bool open(const QString& address) = 0;
    // The same, for handlers that can only say a little later that they gave up (no browser
    // behind them): `failedLater` then runs on the user-interface thread. Never called when
    // open() has already answered false.
    virtual bool openWatched(const QString& address, std::function<void()> failedLater) {
        Q_UNUSED(failedLater);
        return open(address);
    }
};

// The services of the platform the program runs on.
SystemServices& platformSystemServices();
LinkOpener& desktopLinkOpener();

} // namespace about
