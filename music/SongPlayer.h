#pragma once
// What the background music plays through: one song file at a time, and a signal at its end.

#include <QObject>
#include <QString>

namespace music {

// Plays one song file at a time. Failures never leave the player: a file that fails the check,
// no soundfont, no sound device, a song FluidSynth rejects: the player stays silent and never
// reports finished.
class SongPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void play(const QString& file) = 0; // from its start, replacing any song
    virtual void stop() = 0;                    // silence; the song is forgotten
    virtual bool isPlaying() const = 0;         // a song is open: from play() of a good file until stop() or its end
signals:
    void finished(); // the song played to its end; always through the event loop
};

} // namespace music
