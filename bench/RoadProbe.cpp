// Compiled only into the program's benchmark build (zelvoria_probe). With ZELVORIA_PROBE_ROAD
// set, it drives the real screens along the whole road, splash to love analysis and out through
// Exit, the way a quick reader would, while a 1 ms heartbeat timer records the longest wait of
// the event loop during each step. It reports to the harness (see Probe.h):
//   step <name> gap=<longest event-loop wait, ms> cpu=<the thread's CPU time in the longest
//        CPU-heavy wait, ms> took=<step, ms> rss=<VmRSS> anon=<RssAnon> file=<RssFile> shm=<RssShmem>
//   (memory in KiB, read at the end of the step; the CPU figure tells the program's own work
//   from time the thread spent waiting for the processor on a busy machine)
//   lazy <when> catalogues=<content folders parsed> pictures=<pictures parsed>/<pictures made>
//   music <engine state> playing=<0|1> [<what the player says>]
//   peak-kib <VmHWM>     and then     exit      (the harness times the exit from this line)
// The program's music player is made here (makePlayer, ProbeMain.cpp), so that the probe can
// ask it how it is; ZELVORIA_PROBE_MUSIC=virtual swaps the sound device for a paced render thread whose sound goes
// nowhere, so that a machine without a sound card still synthesises every note;
// ZELVORIA_PROBE_MUSIC=off clears the music box before the first Proceed.

#include "bench/Probe.h"

#include "assets/ContentCatalogue.h"
#include "music/FluidPlayer.h"
#include "tests/MusicTestOutputs.h"
#include "shell/SvgPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <QFile>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <functional>
#include <vector>

namespace probe {

namespace {

music::FluidPlayer* thePlayer = nullptr;

// The screen's window, if it is made: the screens are the program's top-level windows.
QWidget* screen(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String(name))
            return top;
    }
    return nullptr;
}

bool visible(const char* name) {
    QWidget* s = screen(name);
    return s && s->isVisible();
}

template <class T>
T& control(const char* screenName, const char* name) {
    QWidget* s = screen(screenName);
    T* found = s ? s->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found) {
        report(QByteArray("error no control ") + screenName + '.' + name);
        std::_Exit(4);
    }
    return *found;
}

void click(const char* screenName, const char* name) { control<QAbstractButton>(screenName, name).click(); }

void type(const char* screenName, const char* name, const char* text) {
    control<QComboBox>(screenName, name).setEditText(QString::fromLatin1(text));
}

void reportLaziness(const char* when) {
    int pictures = 0, parsed = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (auto* picture : top->findChildren<shell::SvgPicture*>()) {
            ++pictures;
            parsed += picture->isLoaded() ? 1 : 0;
        }
    }
    int catalogues = 0;
    for (const char* folder : {":/content/personal", ":/content/lovematch", ":/content/guides"})
        catalogues += assets::ContentCatalogue::isLoaded(QString::fromLatin1(folder)) ? 1 : 0;
    report(QByteArray("lazy ") + when + " catalogues=" + QByteArray::number(catalogues) +
           " pictures=" + QByteArray::number(parsed) + '/' + QByteArray::number(pictures));
}

void reportMusic() {
    const music::FluidPlayer* player = thePlayer;
    if (!player) {
        report("music none");
        return;
    }
    static const char* const states[] = {"not-started", "starting", "ready", "failed"};
    report(QByteArray("music ") + states[static_cast<int>(player->engineState())] +
           " playing=" + (player->isSounding() ? "1" : "0") + ' ' + player->lastError().toUtf8());
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// " rss=.. anon=.. file=.. shm=.." from /proc/self/status, in KiB.
QByteArray memoryNow() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    QByteArray out;
    const std::pair<const char*, const char*> fields[] = {
        {"VmRSS:", " rss="}, {"RssAnon:", " anon="}, {"RssFile:", " file="}, {"RssShmem:", " shm="}};
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const auto& [field, name] : fields)
        for (const QByteArray& line : lines)
            if (line.startsWith(field))
                out += name + line.mid(static_cast<qsizetype>(qstrlen(field))).trimmed().split(' ').value(0);
    return out;
}

struct Step {
    const char* name;
    std::function<void()> act;
    std::function<bool()> done;
    int settleMs = 300; // time given to painting and to anything the step set going
};

class Road : public QObject {
public:
    explicit Road(std::vector<Step> steps) : m_steps(std::move(steps)) {
        m_beat.setTimerType(Qt::PreciseTimer);
        m_beat.setInterval(1);
        connect(&m_beat, &QTimer::timeout, this, &Road::tick);
        m_since.start();
        m_beat.start();
    }

private:
    void tick() {
        const double cpu = threadCpuMs();
        m_longest = std::max(m_longest, static_cast<double>(m_since.nsecsElapsed()) / 1e6);
        m_longestCpu = std::max(m_longestCpu, cpu - m_cpuSince);
        m_since.restart();
        m_cpuSince = cpu;
        if (m_current >= m_steps.size())
            return;
        Step& step = m_steps[m_current];
        if (!m_acting) {
            m_acting = true;
            m_longest = 0;
            m_longestCpu = 0;
            m_clock.start();
            step.act();
            return;
        }
        if (m_clock.elapsed() > 15000) {
            report(QByteArray("error step timed out: ") + step.name);
            std::_Exit(3);
        }
        if (m_clock.elapsed() >= step.settleMs && step.done()) {
            report(QByteArray("step ") + step.name + " gap=" + QByteArray::number(m_longest, 'f', 2) +
                   " cpu=" + QByteArray::number(m_longestCpu, 'f', 2) +
                   " took=" + QByteArray::number(m_clock.elapsed()) + memoryNow());
            m_acting = false;
            ++m_current;
        }
    }

    std::vector<Step> m_steps;
    std::size_t m_current = 0;
    bool m_acting = false;
    QTimer m_beat;
    QElapsedTimer m_since;
    QElapsedTimer m_clock;
    double m_longest = 0;
    double m_longestCpu = 0;
    double m_cpuSince = threadCpuMs();
};

std::vector<Step> theRoad() {
    const auto nothing = [] {};
    std::vector<Step> road;
    road.push_back({"idle splash (event-loop baseline)", nothing, [] { return true; }, 500});
    road.push_back({"splash to chooser", nothing, [] { return visible("frmChoose"); }});
    road.push_back({"chooser shown", [] { reportLaziness("chooser"); }, [] { return true; }, 100});
    road.push_back({"Proceed: personal analysis and music start",
                    [] {
                        type("frmChoose", "cboHoro", "Leo");
                        if (qgetenv("ZELVORIA_PROBE_MUSIC") == "off")
                            control<QAbstractButton>("frmChoose", "chkMusic").setChecked(false);
                        click("frmChoose", "Command1");
                    },
                    [] { return visible("frmPersonal"); }, 600});
    const std::pair<const char*, const char*> personalTopics[] = {
        {"personal topic House", "Option2"},   {"personal topic Quality", "Option3"},
        {"personal topic Planet", "Option4"},  {"personal topic Element", "Option5"},
        {"personal topic Relationship", "Option6"}};
    for (const auto& [name, option] : personalTopics)
        road.push_back({name, [option] { click("frmPersonal", option); }, [] { return true; }, 150});
    road.push_back({"More on love: partner details", [] { click("frmPersonal", "Option7"); },
                    [] { return visible("frmMoreinfo"); }});
    road.push_back({"partner Proceed: progress count and love analysis",
                    [] {
                        type("frmMoreinfo", "cboHoro", "Scorpio");
                        type("frmMoreinfo", "cboGender", "She");
                        click("frmMoreinfo", "Command1");
                    },
                    [] { return visible("frmLove"); }});
    road.push_back({"love analysis shown", nothing, [] { return true; }, 300});
    const std::pair<const char*, const char*> loveTopics[] = {
        {"love topic Do's and Dont's", "Option2"}, {"love topic Date Guide", "Option3"},
        {"love topic Gift Guide", "Option4"},      {"love topic Love Ratings", "Option5"}};
    for (const auto& [name, option] : loveTopics)
        road.push_back({name, [option] { click("frmLove", option); }, [] { return true; }, 150});
    road.push_back({"About", [] { click("frmLove", "Command8"); }, [] { return visible("frmAbout"); }});
    road.push_back({"About OK: love analysis again", [] { click("frmAbout", "cmdOK"); },
                    [] { return !visible("frmAbout"); }});
    road.push_back({"Personal Analysis", [] { click("frmLove", "Command6"); },
                    [] { return visible("frmPersonal"); }});
    road.push_back({"Main Menu", [] { click("frmPersonal", "Command10"); }, [] { return visible("frmChoose"); }});
    road.push_back({"Proceed with music playing", [] { click("frmChoose", "Command1"); },
                    [] { return visible("frmPersonal"); }});
    road.push_back({"music plays for 2 s", nothing, [] { return true; }, 2000});
    road.push_back({"Exit",
                    [] {
                        reportLaziness("road's end");
                        reportMusic();
                        report("peak-kib " + QByteArray::number(peakResidentKiB()));
                        report("exit");
                        click("frmPersonal", "Command9");
                    },
                    [] { return false; }});
    return road;
}

void startRoad() {
    if (!qEnvironmentVariableIsSet("ZELVORIA_PROBE_ROAD"))
        return;
    // Runs once the event loop does, after the program has set up its screens and shown the splash.
    QTimer::singleShot(0, [] { new Road(theRoad()); });
}

} // namespace

std::unique_ptr<music::SongPlayer> makePlayer() {
    music::FluidPlayer::Options options;
    if (qgetenv("ZELVORIA_PROBE_MUSIC") == "virtual")
        options.output = musictest::pacedOutput();
    auto player = std::make_unique<music::FluidPlayer>(options);
    thePlayer = player.get();
    return player;
}

} // namespace probe

static void startRoadAtStart() { probe::startRoad(); }
Q_COREAPP_STARTUP_FUNCTION(startRoadAtStart)
