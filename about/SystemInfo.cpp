#include "about/SystemInfo.h"

#include "about/WindowsServices.h"
#include "shell/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace about {

namespace {

class DesktopSystem final : public SystemServices {
public:
    QString findExecutable(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool isNormalFile(const QString& path) override {
#ifdef Q_OS_WIN
        return isNormalWindowsFile(path);
#else
        const QFileInfo info(path);
        return info.isFile() && !info.isHidden();
#endif
    }
    bool startDetached(const QString& path) override { return QProcess::startDetached(path, {}); }
};

} // namespace

SystemServices& desktopSystem() {
    static DesktopSystem system;
    return system;
}

QString systemInfoTool(SystemServices& system) {
#ifdef Q_OS_WIN
    return registeredSystemInfoTool(system);
#else
    for (const char* tool : {"hardinfo", "kinfocenter", "gnome-system-monitor"}) {
        const QString path = system.findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty())
            return path;
    }
    return {};
#endif
}

void startSystemInfo(SystemServices& system, QWidget* owner) {
    const QString tool = systemInfoTool(system);
    if (!tool.isEmpty() && system.startDetached(tool))
        return;
    shell::MsgBox(owner, {QCoreApplication::translate("about::SystemInfo", "System Information Is Unavailable At This Time"),
                          QStringLiteral("Zelvoria"), shell::MessageIcon::None});
}

} // namespace about
