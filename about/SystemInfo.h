#pragma once
// Finding and starting the operating system's system information tool. Two registry locations
// are asked in turn: the tool's full path, else the directory that holds the tool's file.

#include "about/PlatformServices.h"

class QWidget;

namespace about {

inline constexpr int kRegistryBufferSize = 1024;

QString msinfoKey();         // holds the value "PATH": the tool's full path
QString toolsLocationKey();  // holds the value "MSINFO": the directory of the tool's file
// What follows the directory read from the second location: separator and tool file name.
QString toolFileSuffix();

// Reads one registry value as text into KeyVal. A string value loses one terminating zero
// byte; a 32-bit number becomes its decimal text; any other type leaves KeyVal as it was.
// False, with KeyVal emptied, when the value cannot be read.
bool GetKeyValue(SystemServices& services, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

// Starts the tool, or tells the user it is unavailable (owner: the window beneath the message).
void StartSysInfo(SystemServices& services, QWidget* owner);

QString sysInfoUnavailableText();
QString applicationTitle();

} // namespace about
