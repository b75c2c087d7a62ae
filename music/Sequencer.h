#pragma once
// The sequencer player control: a device type, a file name, the commands "Open", "Play",
// "Stop" and "Close" (each carried out at once), a yes/no state, and the end-of-song
// notification. Failures (no device, missing or unplayable file) never leave the player: they
// only show in its state, and a player that cannot play stays silent and never notifies.

#include <QObject>
#include <QString>

namespace music {

class Sequencer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Sequencer() override = default;

    virtual void setDeviceType(const QString& deviceType) = 0;
    virtual void setFileName(const QString& fileName) = 0;
    // "Open", "Play", "Stop" or "Close"; any other command is ignored.
    virtual void sendCommand(const QString& command) = 0;
    // The yes/no state the shutdown reads: true while a song is open.
    virtual bool isSongOpen() const = 0;

signals:
    // A song has played to its end. Always delivered through the user-interface event loop,
    // never from inside sendCommand.
    void done(int notifyCode);
};

} // namespace music
