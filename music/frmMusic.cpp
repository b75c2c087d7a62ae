#include "music/frmMusic.h"

#include "ui_frmMusic.h"

#include "shell/FormScreenImpl.h"
#include "shell/Music.h"
#include "shell/ProgramPath.h"
#include "shell/Screens.h"
#include "shell/frmChoose.h"

template class shell::FormScreen<Ui::frmMusic>;

namespace music {

frmMusic::frmMusic(SequencerFactory makeSequencer)
    : FormScreen(QString::fromLatin1(shell::screenName<frmMusic>), shell::WindowKind::FixedSingle),
      m_sequencer(makeSequencer()) {
    Q_ASSERT(m_sequencer);
    MusicPlayer::Environment environment;
    environment.songDirectory = [] { return shell::Path(); };
    environment.musicBoxTicked = [] {
        // Music is only ever started from the chooser, so the chooser exists by now.
        auto* chooser =
            dynamic_cast<shell::frmChoose*>(shell::Screens::instance().existing<shell::frmChoose>());
        return chooser && chooser->musicBoxTicked();
    };
    m_player = std::make_unique<MusicPlayer>(*m_sequencer, std::move(environment));
    ensureLoaded();
}

frmMusic::~frmMusic() = default;

void installMusic(SequencerFactory makeSequencer) {
    auto& screens = shell::Screens::instance();
    screens.add<frmMusic>([makeSequencer] { return std::make_unique<frmMusic>(makeSequencer); });
    auto player = [] () -> MusicPlayer& { return shell::Screens::instance().get<frmMusic>().player(); };
    shell::setMusicOperations({[player] { player().StartMusic(); },
                               [player] { player().StopMusic(); },
                               [player] { player().ShutdownMusic(); }});
}

} // namespace music
