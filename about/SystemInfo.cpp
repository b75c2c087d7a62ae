#include "about/SystemInfo.h"

#include "shell/MessageBox.h"

#include <QCoreApplication>
#include <algorithm>

namespace about {

QString msinfoKey() { return QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"); }

QString toolsLocationKey() { return QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"); }

QString toolFileSuffix() {
#ifdef Q_OS_WIN
    return QStringLiteral("\\MSINFO32.EXE");
#else
    return QStringLiteral("/hardinfo");
#endif
}

QString sysInfoUnavailableText() {
    return QCoreApplication::translate("about::SystemInfo",
                                       "System Information Is Unavailable At This Time");
}

QString applicationTitle() { return QStringLiteral("Zelvoria"); }

namespace {

QString numberText(const QByteArray& bytes) {
    // The registry stores 32-bit numbers with the low byte first.
    quint32 number = 0;
    const qsizetype count = std::min<qsizetype>(bytes.size(), 4);
    for (qsizetype i = count - 1; i >= 0; --i)
        number = (number << 8) | static_cast<quint8>(bytes[i]);
    return QString::number(number);
}

} // namespace

bool GetKeyValue(SystemServices& services, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    RegistryValue value;
    if (!services.readRegistryValue(KeyRoot, KeyName, SubKeyRef, value) ||
        value.data.size() > kRegistryBufferSize) {
        KeyVal.clear();
        return false;
    }
    QByteArray bytes = value.data;
    if (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    if (value.type == REG_SZ_TYPE)
        KeyVal = QString::fromLocal8Bit(bytes);
    else if (value.type == REG_DWORD_TYPE)
        KeyVal = numberText(bytes);
    return true;
}

void StartSysInfo(SystemServices& services, QWidget* owner) {
    try {
        QString path;
        if (!GetKeyValue(services, HKEY_LOCAL_MACHINE_ROOT, msinfoKey(), QStringLiteral("PATH"),
                         path)) {
            // The registered path is taken as it is; only the tool folder's file is checked.
            QString directory;
            if (GetKeyValue(services, HKEY_LOCAL_MACHINE_ROOT, toolsLocationKey(),
                            QStringLiteral("MSINFO"), directory)) {
                const QString candidate = directory + toolFileSuffix();
                if (services.isNormalFile(candidate))
                    path = candidate;
            }
        }
        if (!path.isEmpty() && services.startProgram(path))
            return;
    } catch (...) {
        // Whatever went wrong, the user hears the same.
    }
    shell::MsgBox(owner, {sysInfoUnavailableText(), applicationTitle(), shell::MessageIcon::None});
}

} // namespace about
