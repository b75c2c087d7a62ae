#pragma once
// The About box's "System Info...": the desktop's system information tool, found where this
// platform keeps it and started on its own, or a message that there is none.

#include <QString>

class QWidget;

namespace about {

// What the lookup needs of the operating system; tests hand a fake.
class SystemServices {
public:
    virtual ~SystemServices() = default;
    // The full path of the program of that name on the search path; empty when there is none.
    virtual QString findExecutable(const QString& name) = 0;
    // A normal file: hidden and system files and directories do not count.
    virtual bool isNormalFile(const QString& path) = 0;
    // Starts the program without arguments and without a shell, and returns at once.
    virtual bool startDetached(const QString& path) = 0;
};

SystemServices& desktopSystem();

// The tool's full path, empty when there is none. On Windows, the path registered for it, else
// its file in the shared tools folder; elsewhere the first of hardinfo, kinfocenter and
// gnome-system-monitor on the search path.
QString systemInfoTool(SystemServices& system);

// Starts the tool, or tells the user it is unavailable (owner: the window beneath the message).
void startSystemInfo(SystemServices& system, QWidget* owner);

} // namespace about
