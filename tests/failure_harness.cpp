// The program with its real screens and its real FluidSynth player, driven through one scenario
// and ended as the user ends it: the failure-matrix test runs it as a child process and reads
// what it prints. Only the sound output, the song folder and the soundfont can be chosen; the
// splash screen is cut short. Message boxes are printed instead of shown.
//
//   failure_harness <scenario> [--songs DIR] [--output system|virtual|none] [--drivers a,b]
//                   [--soundfont FILE] [--exit button|close]
//
// Scenarios:
//   exit-before-song     Exit on the chooser, no song ever asked for
//   exit-while-playing   Proceed with music, wait until the song sounds, then Exit
//   exit-while-starting  Proceed with music and Exit at once, while the synth still starts
//   exit-silent          Proceed with music, wait for the synth's set-up to end, check that nothing sounds, use the
//                        program a little (About, Main Menu, Proceed again), then Exit
//
// Printed lines: "playing", "starting", "silent", "message: <title>|<text>", "exiting"; a line
// "returned" means the end of the program came back, which it never may. Exit status 0 from the end;
// 3 when the scenario could not be set up; 4 when the end of the program took too long.

#include "MusicTestOutputs.h"
#include "ProgramDriver.h"
#include "music/FluidPlayer.h"
#include "shell/MessageBox.h"
#include "shell/ProgramPath.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using drive::control;
using drive::spinUntil;
using music::FluidPlayer;

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

[[noreturn]] void giveUp(const QString& why) {
    say(QStringLiteral("setup failed: ") + why);
    std::fflush(nullptr);
    std::_Exit(3);
}

// The real player, reading its songs from another folder than the program's own.
class RedirectedPlayer : public music::SongPlayer {
public:
    RedirectedPlayer(FluidPlayer::Options options, QString songFolder)
        : m_inner(std::move(options)), m_folder(std::move(songFolder)) {
        connect(&m_inner, &SongPlayer::finished, this, &SongPlayer::finished);
    }
    void play(const QString& file) override { m_inner.play(m_folder + QLatin1Char('/') + QFileInfo(file).fileName()); }
    void stop() override { m_inner.stop(); }
    bool isPlaying() const override { return m_inner.isPlaying(); }
    const FluidPlayer& player() const { return m_inner; }

private:
    FluidPlayer m_inner;
    QString m_folder;
};

RedirectedPlayer* g_player = nullptr;

struct Arguments {
    QString scenario;
    QString songs;
    FluidPlayer::Options options;
    bool exitByClosing = false;
};

Arguments parse(const QStringList& args) {
    Arguments parsed;
    if (args.size() < 2)
        giveUp(QStringLiteral("no scenario"));
    parsed.scenario = args[1];
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == QLatin1String("--songs"))
            parsed.songs = value;
        else if (key == QLatin1String("--output"))
            parsed.options.output = value == QLatin1String("virtual") ? musictest::pacedOutput()
                                    : value == QLatin1String("none")  ? musictest::noOutput()
                                                                       : music::OutputFactory();
        else if (key == QLatin1String("--drivers"))
            parsed.options.audioDrivers = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (key == QLatin1String("--soundfont"))
            parsed.options.soundFont = value;
        else if (key == QLatin1String("--exit"))
            parsed.exitByClosing = value == QLatin1String("close");
        else
            giveUp(QStringLiteral("unknown option ") + key);
    }
    return parsed;
}

void proceedWithMusic() {
    control<QComboBox>("frmChoose", "cboHoro")->setCurrentText(QStringLiteral("Leo"));
    control<QCheckBox>("frmChoose", "chkMusic")->setChecked(true);
    control<QPushButton>("frmChoose", "Command1")->click();
    if (!drive::visible(QStringLiteral("frmPersonal")))
        giveUp(QStringLiteral("Proceed did not show the personal screen"));
}

// Ends the process with status 4 should the end of the program not come within 5 s.
void armWatchdog() {
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        std::printf("exit hung\n");
        std::fflush(nullptr);
        std::_Exit(4);
    }).detach();
}

// Ends the program from the personal screen as the user would.
[[noreturn]] void exitFromPersonal(bool byClosing) {
    armWatchdog();
    say(QStringLiteral("exiting"));
    if (byClosing)
        drive::screen(QStringLiteral("frmPersonal")).close();
    else
        control<QPushButton>("frmPersonal", "Command9")->click();
    say(QStringLiteral("returned"));
    std::fflush(nullptr);
    std::_Exit(5);
}

void run(const Arguments& args) {
    if (!drive::reachMainMenu())
        giveUp(QStringLiteral("the main menu did not come"));

    if (args.scenario == QLatin1String("exit-before-song")) {
        armWatchdog();
        say(QStringLiteral("exiting"));
        if (args.exitByClosing)
            drive::screen(QStringLiteral("frmChoose")).close();
        else
            control<QPushButton>("frmChoose", "Command2")->click();
        say(QStringLiteral("returned"));
        std::fflush(nullptr);
        std::_Exit(5);
    }

    proceedWithMusic();
    if (!g_player)
        giveUp(QStringLiteral("no song player"));
    const FluidPlayer& player = g_player->player();

    if (args.scenario == QLatin1String("exit-while-starting")) {
        if (player.engineState() == FluidPlayer::EngineState::Starting)
            say(QStringLiteral("starting"));
        exitFromPersonal(args.exitByClosing);
    }
    if (args.scenario == QLatin1String("exit-while-playing")) {
        if (!spinUntil([&] { return player.isSounding(); }, 15000))
            giveUp(QStringLiteral("the song never played: ") + player.lastError());
        say(QStringLiteral("playing"));
        exitFromPersonal(args.exitByClosing);
    }
    if (args.scenario == QLatin1String("exit-silent")) {
        bool sounded = false;
        auto watch = [&](int ms) { spinUntil([&] { return (sounded = sounded || player.isSounding()); }, ms); };
        // The synth's set-up tried every sound output there is before the program goes on.
        spinUntil([&] { return player.engineState() != FluidPlayer::EngineState::Starting; }, 15000);
        watch(1500);
        // The program carries on: About and back, the main menu, Proceed again.
        control<QPushButton>("frmPersonal", "Command8")->click();
        control<QPushButton>("frmAbout", "cmdOK")->click();
        control<QPushButton>("frmPersonal", "Command10")->click();
        control<QPushButton>("frmChoose", "Command1")->click();
        watch(500);
        if (!sounded)
            say(QStringLiteral("silent"));
        exitFromPersonal(args.exitByClosing);
    }
    giveUp(QStringLiteral("unknown scenario ") + args.scenario);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shell::prepareApplication(app);
    const Arguments args = parse(QApplication::arguments());
    const QString songs = args.songs.isEmpty() ? shell::Path() : args.songs;
    ProgramServices services;
    services.messages = [](QWidget*, const shell::Message& m) {
        say(QStringLiteral("message: ") + m.title + QLatin1Char('|') + m.text);
    };
    services.player = [args, songs] {
        auto player = std::make_unique<RedirectedPlayer>(args.options, songs);
        g_player = player.get();
        return player;
    };
    // The program ends as it does for the user: at once, with status 0.
    services.end = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    Program& program = drive::freshWholeProgram(std::move(services));
    QTimer::singleShot(0, [&args] { run(args); });
    const int status = QApplication::exec();
    program.end();
    return status;
}
