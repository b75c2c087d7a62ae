#pragma once

#include <QString>

namespace shell {

// The directory of a file path, without a trailing separator; only a root directory keeps it.
QString directoryOf(const QString& filePath);

// The directory that holds the program's own file.
QString Path();

} // namespace shell
