#include "FakeSequencer.h"

void FakeSequencer::setDeviceType(const QString& deviceType) { log << "type " + deviceType; }

void FakeSequencer::setFileName(const QString& name) {
    fileName = name;
    log << "file " + name;
}

void FakeSequencer::sendCommand(const QString& command) {
    log << command;
    if (command == QLatin1String("Open"))
        open = true;
    else if (command == QLatin1String("Close"))
        open = false;
}
