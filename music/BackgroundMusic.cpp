#include "music/BackgroundMusic.h"

#include <QRandomGenerator>
#include <chrono>

namespace music {

QString songPath(const QString& directory, int number) {
    QString path = directory;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QStringLiteral("song%1.msc").arg(number);
}

int songNumberFor(double r) {
    const int x = static_cast<int>(r * SongCount);
    return qBound(0, x, SongCount - 1) + 1;
}

double clockSeededDraw() {
    const auto ticks = static_cast<quint64>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const quint32 seed[2] = {static_cast<quint32>(ticks), static_cast<quint32>(ticks >> 32)};
    QRandomGenerator generator(seed, seed + 2);
    return generator.generateDouble();
}

BackgroundMusic::BackgroundMusic(SongPlayer& player, Environment environment)
    : m_player(player), m_env(std::move(environment)) {
    connect(&m_player, &SongPlayer::finished, this, &BackgroundMusic::songEnded);
}

// The draw is made whether or not a song follows.
void BackgroundMusic::songEnded() {
    const int song = songNumberFor(m_env.draw());
    if (m_env.musicBoxTicked())
        m_player.play(songPath(m_env.songDirectory(), song));
}

void BackgroundMusic::start() {
    if (!m_restartPending)
        return;
    m_restartPending = false;
    m_player.play(songPath(m_env.songDirectory(), songNumberFor(m_env.draw())));
}

void BackgroundMusic::stop() {
    m_player.stop();
    m_restartPending = true;
}

void BackgroundMusic::shutdown() {
    if (m_player.isPlaying())
        m_player.stop();
}

} // namespace music
