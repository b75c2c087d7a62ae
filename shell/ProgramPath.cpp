#include "shell/ProgramPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

QString directoryOf(const QString& filePath) {
    const QString dir = QFileInfo(filePath).absolutePath();
    return QDir::cleanPath(dir);
}

QString Path() { return directoryOf(QCoreApplication::applicationFilePath()); }

} // namespace shell
