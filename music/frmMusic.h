#pragma once
// The hidden host of the music player. It is created by the first music operation (or by the
// end of the program) and never shown; the sequencer it drives is made on first use.

#include "music/MusicPlayer.h"
#include "shell/Screen.h"

#include <memory>

namespace Ui {
class frmMusic;
}

extern template class shell::FormScreen<Ui::frmMusic>;

namespace music {

using SequencerFactory = std::function<std::unique_ptr<Sequencer>()>;

class frmMusic : public shell::FormScreen<Ui::frmMusic> {
    Q_OBJECT
public:
    explicit frmMusic(SequencerFactory makeSequencer);
    ~frmMusic() override;

    Sequencer& MMControl1() { return *m_sequencer; }
    MusicPlayer& player() { return *m_player; }

protected:
    void connectHandlers() override {}

private:
    std::unique_ptr<Sequencer> m_sequencer;
    std::unique_ptr<MusicPlayer> m_player; // goes first: it drives the sequencer
};

// Registers the player's host screen and hands the chooser and the end of the program the
// music operations. The chooser's music box is read at the end of every song.
void installMusic(SequencerFactory makeSequencer);

} // namespace music
