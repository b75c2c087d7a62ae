#include "FakeSongPlayer.h"

void FakeSongPlayer::play(const QString& file) {
    log << QStringLiteral("play ") + file;
    song = file;
}

void FakeSongPlayer::stop() {
    log << QStringLiteral("stop");
    song.clear();
}

void FakeSongPlayer::finishSong() {
    song.clear();
    emit finished();
}
