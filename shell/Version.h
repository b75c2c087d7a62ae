#pragma once
// The program's version, from the one place the build defines it.

#include <QString>

namespace shell {

struct VersionNumbers {
    int major;
    int minor;
    int revision;
};

VersionNumbers programVersion();

// The three numbers in decimal joined by dots, without leading zeros: "3.1.0".
QString versionText(const VersionNumbers& version);
QString VersionText();
// "Zelvoria - Version 3.1.0": the title bar of the main screens.
QString VersionCaption();

} // namespace shell
