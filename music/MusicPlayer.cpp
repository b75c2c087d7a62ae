#include "music/MusicPlayer.h"


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

MusicPlayer::MusicPlayer(Sequencer& MMControl1, Environment environment)
    : m_player(MMControl1), m_env(std::move(environment)) {
    connect(&m_player, &Sequencer::done, this, &MusicPlayer::MMControl1_Done);
}

void MusicPlayer::MMControl1_Done(int /*notifyCode*/) {
    m_player.sendCommand(QStringLiteral("Close"));
    m_player.setDeviceType(QStringLiteral("Sequencer"));
    const int song = songNumberFor(m_env.draw());
    if (!m_env.musicBoxTicked())
        return;
    m_player.setFileName(songPath(m_env.songDirectory(), song));
    m_player.sendCommand(QStringLiteral("Open"));
    m_player.sendCommand(QStringLiteral("Play"));
}

void MusicPlayer::StopMusic() {
    m_player.sendCommand(QStringLiteral("Stop"));
    m_player.sendCommand(QStringLiteral("Close"));
}

void MusicPlayer::ShutdownMusic() {
    if (!m_player.isSongOpen())
        return;
    m_player.sendCommand(QStringLiteral("Stop"));
    m_player.sendCommand(QStringLiteral("Close"));
}

} // namespace music
