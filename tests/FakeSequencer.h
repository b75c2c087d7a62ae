#pragma once
// A sequencer that only records what it is told, and plays a song to its end on request.

#include "music/Sequencer.h"

#include <QStringList>

class FakeSequencer : public music::Sequencer {
public:
    QStringList log;
    QString fileName;
    bool open = false;

    void setDeviceType(const QString& deviceType) override { log << "type " + deviceType; }
    void setFileName(const QString& name) override {
        fileName = name;
        log << "file " + name;
    }
    void sendCommand(const QString& command) override {
        log << command;
        if (command == QLatin1String("Open"))
            open = true;
        else if (command == QLatin1String("Close"))
            open = false;
    }
    bool isSongOpen() const override { return open; }

    void finishSong() { emit done(1); }
};
