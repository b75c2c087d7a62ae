#pragma once
// The whole of Zelvoria but main(): its screens, its music and the outside services the screens
// use, and every hand-over between the screens. Each screen is made on first use and kept; a
// screen only says what the user wants, and the rules that span screens live here.

#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "music/BackgroundMusic.h"
#include "shell/MessageBox.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace shell {
class ScreenWindow;
class frmSplash;
class frmChoose;
} // namespace shell
namespace personal {
class frmPersonal;
}
namespace compat {
class frmMoreinfo;
class frmProcessing;
class frmLove;
} // namespace compat
namespace about {
class frmAbout;
}

// The services a test may put in place of the real ones.
struct ProgramServices {
    shell::MessageSink messages;             // none: modal message boxes
    std::function<void()> end;               // none: the process ends at once with status 0
    std::function<std::unique_ptr<music::SongPlayer>()> player; // none: FluidSynth, on the desktop's sound
    about::SystemServices* system = nullptr; // none: this system's own
    about::LinkOpener* links = nullptr;      // none: the desktop's web browser
};

// What the screens share, for one run; nothing of it is kept.
struct ProgramState {
    QString userSign;
    QString partnerGender;
    QString partnerSign;
    qint16 progressCount = 0;
};

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(ProgramServices services = {});
    ~Program() override;

    // Shows the splash, which gives way to the main menu.
    void start();
    // The one way the program ends: the music is shut down, then the end step runs. Nothing of
    // the program runs after it.
    void end();
    bool ended() const { return m_ended; }

    const ProgramState& state() const { return m_state; }
    // The screen that last became active and is still visible, if any.
    shell::ScreenWindow* activeScreen() const { return m_active; }

    // The screens, each made on first use; the About box is made afresh after it closes.
    shell::frmSplash& splash();
    shell::frmChoose& choose();
    personal::frmPersonal& personal();
    compat::frmMoreinfo& moreinfo();
    compat::frmProcessing& processing();
    compat::frmLove& love();
    about::frmAbout& about();
    bool aboutIsOpen() const { return m_about != nullptr; }
    void showAbout();
    // Every screen in the order of the road, made if need be.
    QList<shell::ScreenWindow*> screens();
    // The screens made so far (and the About box while it is open).
    QList<shell::ScreenWindow*> madeScreens() const { return m_onActivate.keys(); }

private:
    template <class Window>
    Window& made(std::unique_ptr<Window>& slot, std::function<void()> onActivate);
    void show(shell::ScreenWindow& window);
    void showOnNextTurn(shell::ScreenWindow& window);
    void hide(shell::ScreenWindow& window);
    void go(shell::ScreenWindow& from, shell::ScreenWindow& to);
    void windowActivated(shell::ScreenWindow& window);
    void activate(shell::ScreenWindow& window);
    void progressTick();
    void closeAbout();

    ProgramServices m_services;
    ProgramState m_state;
    bool m_ended = false;

    std::unique_ptr<music::SongPlayer> m_player;
    std::unique_ptr<music::BackgroundMusic> m_music;
    std::unique_ptr<shell::frmSplash> m_splash;
    std::unique_ptr<shell::frmChoose> m_choose;
    std::unique_ptr<personal::frmPersonal> m_personal;
    std::unique_ptr<compat::frmMoreinfo> m_moreinfo;
    std::unique_ptr<compat::frmProcessing> m_processing;
    std::unique_ptr<compat::frmLove> m_love;
    std::unique_ptr<about::frmAbout> m_about;

    // What each screen does every time it becomes the active screen.
    QHash<shell::ScreenWindow*, std::function<void()>> m_onActivate;
    shell::ScreenWindow* m_active = nullptr;
    std::vector<shell::ScreenWindow*> m_history; // most recently active last
    shell::ScreenWindow* m_pending = nullptr;    // shown here, its activation not yet reported
    QElapsedTimer m_pendingSince;
};
