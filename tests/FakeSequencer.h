#pragma once
// A sequencer that only records what it is told, and plays a song to its end on request.

#include "music/Sequencer.h"

#include <QStringList>

class FakeSequencer : public music::Sequencer {
public:
    QStringList log;
    QString fileName;
    bool open = false;

    void setDeviceType(const QString& deviceType) override;
    void setFileName(const QString& name) override;
    void sendCommand(const QString& command) override;
    bool isSongOpen() const override { return open; }

    void finishSong() { emit done(1); }
};
