#pragma once
// The soak's run: the seeded user of SoakUser.h sends its events to the program; when the
// program ends (recorded, not taken) a fresh one starts from the splash and the user carries on.
//
// After every event the program's invariants are checked (SoakProgram.h), and the time the event
// took to handle is measured. The first problem stops the run with the seed, the event's index
// and the last events sent.

#include "SoakUser.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace soak {

struct SoakStats {
    int events = 0;
    int programs = 0;                   // programs started (the first included)
    int messages = 0;                   // message boxes the program showed
    int songEnds = 0;
    qint64 slowestEventMs = 0;
    std::map<QString, int> visibleAfter; // events after which each screen was visible
    std::map<QString, int> sent;         // events sent, by kind
    std::map<QString, qint64> sentMs;    // time spent on them, by kind
};

class SoakDriver {
public:
    static constexpr qint64 MaxEventMs = 2000;
    static constexpr int SplashMs = 5;

    explicit SoakDriver(quint32 seed) : m_seed(seed), m_user(seed) {}
    ~SoakDriver() {
        onProgramEnd() = nullptr;
        m_stop = true;
        if (m_watchdog.joinable())
            m_watchdog.join();
    }

    // Sends `count` events; the empty text when all went well, else what went wrong.
    QString run(int count) {
        onProgramEnd() = [this] {
            const QStringList broken = programInvariants();
            if (!broken.isEmpty() && m_failure.isEmpty())
                m_failure = QStringLiteral("when the program ended: ") + broken.join(QStringLiteral("; "));
        };
        startProgram();
        m_watchdog = std::thread([this] { watch(); });
        for (int index = 0; index < count && m_failure.isEmpty(); ++index) {
            QElapsedTimer clock;
            clock.start();
            m_index = index;
            m_eventStarted = m_sinceStart.elapsed();
            const QString what = m_user.sendOne();
            settle();
            const qint64 took = clock.elapsed();
            m_eventStarted = -1;
            remember(index, what, took);
            ++m_stats.events;
            ++m_stats.sent[m_user.lastKind()];
            m_stats.sentMs[m_user.lastKind()] += took;
            m_stats.slowestEventMs = std::max(m_stats.slowestEventMs, took);
            if (took > MaxEventMs && m_failure.isEmpty())
                m_failure = QStringLiteral("the event took %1 ms").arg(took);
            // After the end nothing of the program runs; what it left was checked as it ended.
            if (m_failure.isEmpty() && !shell::ProgramEnd::ended()) {
                QStringList broken = programInvariants();
                broken << sameInstances();
                if (!broken.isEmpty())
                    m_failure = broken.join(QStringLiteral("; "));
            }
            if (!m_failure.isEmpty())
                return report(index, count);
            countVisibleScreens();
            if (shell::ProgramEnd::ended()) {
                m_stats.messages += static_cast<int>(messages().size());
                startProgram();
            }
        }
        m_stats.messages += static_cast<int>(messages().size());
        m_stats.songEnds = m_user.songEnds();
        onProgramEnd() = nullptr;
        return {};
    }

    const SoakStats& stats() const { return m_stats; }

private:
    // ---- the program ----------------------------------------------------------------------
    // Each screen has one instance for the life of the program: once made, never replaced.
    QStringList sameInstances() {
        QStringList broken;
        for (const QString& name : screenNames()) {
            const shell::Screen* now = shell::Screens::instance().existing(name);
            const shell::Screen*& first = m_instances[name];
            if (first && now != first)
                broken << QStringLiteral("%1 is another instance now").arg(name);
            if (!first)
                first = now;
        }
        return broken;
    }

    void startProgram() {
        m_instances.clear();
        startFreshProgram(SplashMs);
        ++m_stats.programs;
        settle();
    }

    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // ---- bookkeeping ----------------------------------------------------------------------
    // An event that never returns cannot be measured: after HangMs the run is stopped from
    // another thread, with what is known.
    static constexpr qint64 HangMs = 30000;
    void watch() {
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const qint64 started = m_eventStarted;
            if (started < 0 || m_sinceStart.elapsed() - started < HangMs)
                continue;
            const std::lock_guard<std::mutex> lock(m_recentLock);
            std::fprintf(stderr, "soak: seed %u, event %d has not returned after %lld ms; last events:\n",
                         m_seed, int(m_index), static_cast<long long>(HangMs));
            for (const QString& line : m_recent)
                std::fprintf(stderr, "  %s\n", qPrintable(line));
            std::fflush(stderr);
            std::abort();
        }
    }

    void countVisibleScreens() {
        for (const QString& name : screenNames()) {
            if (screenVisible(name))
                ++m_stats.visibleAfter[name];
        }
    }

    void remember(int index, const QString& what, qint64 took) {
        const std::lock_guard<std::mutex> lock(m_recentLock);
        m_recent.push_back(QStringLiteral("#%1 (%2 ms) %3").arg(index).arg(took).arg(what));
        if (m_trace) {
            const shell::Screen* active = shell::Screens::instance().activeScreen();
            std::printf("%s  [active %s, count %d]\n", qPrintable(m_recent.back()),
                        active ? qPrintable(active->name()) : "none", int(shell::appState().ProgressCount));
        }
        if (m_recent.size() > 15)
            m_recent.pop_front();
    }

    QString report(int index, int count) const {
        QString text = QStringLiteral("seed %1, event %2 of %3: %4\nlast events:")
                           .arg(m_seed)
                           .arg(index)
                           .arg(count)
                           .arg(m_failure);
        for (const QString& line : m_recent)
            text += QStringLiteral("\n  ") + line;
        text += QStringLiteral("\nreplay: ZELVORIA_SOAK_SEED=%1 ZELVORIA_SOAK_EVENTS=%2").arg(m_seed).arg(index + 1);
        return text;
    }

    quint32 m_seed;
    SoakUser m_user;
    std::map<QString, const shell::Screen*> m_instances;
    std::deque<QString> m_recent;
    std::mutex m_recentLock;
    std::thread m_watchdog;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_index{0};
    std::atomic<qint64> m_eventStarted{-1};
    const QElapsedTimer m_sinceStart = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    QString m_failure;
    const bool m_trace = qEnvironmentVariableIsSet("ZELVORIA_SOAK_TRACE");
    SoakStats m_stats;
};

} // namespace soak
