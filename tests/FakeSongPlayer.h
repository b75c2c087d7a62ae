#pragma once
// A song player that only records what it is told, and plays a song to its end on request.

#include "music/SongPlayer.h"

#include <QStringList>

class FakeSongPlayer : public music::SongPlayer {
public:
    QStringList log; // "play <file>" and "stop", in order
    QString song;    // the open song; empty when none

    void play(const QString& file) override;
    void stop() override;
    bool isPlaying() const override { return !song.isEmpty(); }

    // The open song plays to its end.
    void finishSong();
};
