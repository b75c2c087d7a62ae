// The soak's run: a seeded user sends its events to the program; when the program ends
// (recorded, not taken) a fresh one starts from the splash and the user carries on. The user
// does anything at all: clicks on whatever is visible and enabled on the active screen
// (buttons, options, combo boxes, the clickable labels and pictures, the pane), keys (letters,
// Enter, Esc, Tab, arrows, Alt with the access keys and others), text typed into the combo
// boxes (names right, nearly right and wrong, and garbage), picks from the combo lists, topic
// choices, switches to another window of the program, window closes, pauses that let the timers
// run, and songs that end. The same seed sends the same events.
//
// After every event the program's invariants are checked (SoakProgram.cpp), and the time the
// event took to handle is measured. The first problem stops the run with the seed, the event's
// index and the last events sent.

#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "Soak.h"
#include "zodiac/SignCatalogue.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <thread>

namespace soak {

namespace {

// ---- the user ------------------------------------------------------------------------------
class SoakUser {
public:
    explicit SoakUser(quint32 seed) : m_random(seed) {}

    // The kind of the last event sent ("click", "key", "wait" ...).
    const QString& lastKind() const { return m_kind; }
    int songEnds() const { return m_songEnds; }

    // Sends one event; what it was, for the log.
    QString sendOne() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return count(QStringLiteral("popup"), popupEvent(popup));
        shell::ScreenWindow* window = activeWindow();
        if (!window) {
            const auto windows = visibleWindows();
            if (windows.isEmpty())
                return count(QStringLiteral("wait"), pause(4));
            window = pick(windows);
        }
        // Nobody clicks about while the compatibility count runs: mostly the user watches it.
        if (drive::visible(QStringLiteral("frmProcessing")) && chance(70))
            return count(QStringLiteral("wait"), pause(12));
        const int roll = below(100);
        if (roll < 8)
            return count(QStringLiteral("go on"), goOn(window));
        if (roll < 30)
            return count(QStringLiteral("click"), click(window));
        if (roll < 40)
            return count(QStringLiteral("topic"), chooseTopic(window));
        if (roll < 62)
            return count(QStringLiteral("key"), key(window));
        if (roll < 74)
            return count(QStringLiteral("type"), type(window));
        if (roll < 80)
            return count(QStringLiteral("switch"), switchWindow(window));
        if (roll < 92)
            return count(QStringLiteral("wait"), pause(4));
        if (roll < 94)
            return count(QStringLiteral("close"), closeWindow(window));
        return count(QStringLiteral("song end"), songEnd(window));
    }

    QString count(const QString& kind, const QString& what) {
        m_kind = kind;
        return what;
    }

    static QString nameOf(const QWidget* widget) {
        const QWidget* window = widget->window();
        QString name = widget->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(widget->metaObject()->className());
        return widget == window ? window->objectName() : window->objectName() + QLatin1Char('/') + name;
    }

    static bool designed(const QWidget* widget) {
        const QString name = widget->objectName();
        return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
    }

    QString clickAt(QWidget* target) {
        const QPoint at(below(std::max(1, target->width())), below(std::max(1, target->height())));
        const QString what = QStringLiteral("click %1 at %2,%3").arg(nameOf(target)).arg(at.x()).arg(at.y());
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        return what;
    }

    // Anything visible and enabled in the window, the window itself included; mostly the
    // designed controls, sometimes their inner parts (a combo's text field, the pane's scroll bar).
    QString click(QWidget* window) {
        QList<QWidget*> designedOnes;
        QList<QWidget*> all{window};
        const auto children = window->findChildren<QWidget*>();
        for (QWidget* child : children) {
            if (!child->isVisible() || !child->isEnabled())
                continue;
            all << child;
            if (designed(child))
                designedOnes << child;
        }
        QWidget* target = (!designedOnes.isEmpty() && chance(75)) ? pick(designedOnes) : pick(all);
        // Users leave now and then, not at every tenth click: most clicks on the controls that
        // end the program go elsewhere, so that the run gets deep into the program.
        if (endsProgram(target) && chance(75))
            target = pick(all);
        return clickAt(target);
    }

    // A user with a purpose: the control that leads on to the next screen of the road.
    QString goOn(QWidget* window) {
        static const std::map<QString, QString> onwards{{QStringLiteral("frmChoose"), QStringLiteral("Command1")},
                                                        {QStringLiteral("frmPersonal"), QStringLiteral("Option7")},
                                                        {QStringLiteral("frmMoreinfo"), QStringLiteral("Command1")}};
        const auto found = onwards.find(window->objectName());
        QWidget* control = found == onwards.end() ? nullptr : window->findChild<QWidget*>(found->second);
        if (!control || !control->isVisible() || !control->isEnabled())
            return chooseTopic(window);
        return clickAt(control);
    }

    static bool endsProgram(const QWidget* control) {
        const QString name = control->objectName();
        if (control->window()->objectName() == QLatin1String("frmChoose"))
            return name == QLatin1String("Command2");
        return name == QLatin1String("Command9") || name == QLatin1String("Label9");
    }

    QString chooseTopic(QWidget* window) {
        QList<QRadioButton*> options;
        const auto found = window->findChildren<QRadioButton*>();
        for (QRadioButton* option : found) {
            if (option->isVisible() && option->isEnabled())
                options << option;
        }
        if (options.isEmpty())
            return click(window);
        std::sort(options.begin(), options.end(), [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        QRadioButton* option = pick(options);
        const qsizetype mnemonic = option->text().indexOf(QLatin1Char('&'));
        if (mnemonic >= 0 && mnemonic + 1 < option->text().size() && chance(40)) {
            const QChar letter = option->text().at(mnemonic + 1).toLower();
            QTest::keyClick(window, letter.toLatin1(), Qt::AltModifier);
            return QStringLiteral("Alt+%1 for %2").arg(letter).arg(nameOf(option));
        }
        return clickAt(option);
    }

    // Letters that are access keys somewhere in the window.
    static QString accessKeys(QWidget* window) {
        QString keys;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            else if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at >= 0 && at + 1 < text.size() && text.at(at + 1).isLetter())
                keys += text.at(at + 1).toLower();
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }

    QString key(QWidget* window) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = (focus && focus->window() == window) ? focus : window;
        const QString to = QStringLiteral(" to ") + nameOf(target);
        const int roll = below(100);
        if (roll < 18) {
            const char letter = static_cast<char>((chance(50) ? 'a' : 'A') + below(26));
            QTest::keyClick(target, letter);
            return QStringLiteral("key %1").arg(QLatin1Char(letter)) + to;
        }
        if (roll < 38) {
            const Qt::Key enter = chance(80) ? Qt::Key_Return : Qt::Key_Enter;
            QTest::keyClick(target, enter);
            return QStringLiteral("Enter") + to;
        }
        if (roll < 50) {
            QTest::keyClick(target, Qt::Key_Escape);
            return QStringLiteral("Esc") + to;
        }
        if (roll < 62) {
            if (chance(70)) {
                QTest::keyClick(target, Qt::Key_Tab);
                return QStringLiteral("Tab") + to;
            }
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
            return QStringLiteral("Shift+Tab") + to;
        }
        if (roll < 82) {
            const QString keys = accessKeys(window);
            const char letter = (!keys.isEmpty() && chance(80))
                                    ? keys.at(below(static_cast<int>(keys.size()))).toLatin1()
                                    : static_cast<char>('a' + below(26));
            QTest::keyClick(target, letter, Qt::AltModifier);
            return QStringLiteral("Alt+%1").arg(QLatin1Char(letter)) + to;
        }
        if (roll < 94) {
            const QList<Qt::Key> moves{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            const Qt::Key move = pick(moves);
            QTest::keyClick(target, move);
            return QStringLiteral("arrow key %1").arg(int(move), 0, 16) + to;
        }
        if (roll < 97) {
            QTest::keyClick(target, Qt::Key_Space);
            return QStringLiteral("Space") + to;
        }
        QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier); // opens a focused combo's list
        return QStringLiteral("Alt+Down") + to;
    }

    // What a user may type into a sign or gender box.
    QString someText(bool signBox) {
        const QStringList signs = zodiac::signNames();
        const QStringList genders = zodiac::genderWords();
        const QString right = signBox ? pick(signs) : pick(genders);
        const int roll = below(100);
        if (roll < 45)
            return right;
        if (roll < 52)
            return signBox ? pick(genders) : pick(signs);
        if (roll < 67) {
            switch (below(5)) {
            case 0: return right.toLower();
            case 1: return right.toUpper();
            case 2: return QLatin1Char(' ') + right;
            case 3: return right + QLatin1Char(' ');
            default: return right + right.right(1);
            }
        }
        if (roll < 75)
            return right.left(1 + below(static_cast<int>(right.size())));
        if (roll < 80)
            return {};
        static const QString pool = QStringLiteral("abcXYZ019 -_.,'\"&%!?\u00e9\u00df\u00e6\u264c\u4e2d\U0001F496");
        QString garbage;
        const int length = 1 + below(12);
        for (int i = 0; i < length; ++i) {
            const int at = below(static_cast<int>(pool.size()));
            if (pool.at(at).isHighSurrogate() && at + 1 < pool.size())
                garbage += pool.mid(at, 2);
            else if (!pool.at(at).isLowSurrogate())
                garbage += pool.at(at);
        }
        return garbage;
    }

    static void typeText(QWidget* field, const QString& text) {
        for (int i = 0; i < text.size(); ++i) {
            QString unit(text.at(i));
            if (text.at(i).isHighSurrogate() && i + 1 < text.size())
                unit += text.at(++i);
            const QChar c = unit.at(0);
            if (c.unicode() < 0x7f && c.isPrint())
                QTest::keyClick(field, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, unit, Qt::NoModifier);
        }
    }

    QString type(QWidget* window) {
        QList<QComboBox*> boxes;
        const auto found = window->findChildren<QComboBox*>();
        for (QComboBox* box : found) {
            if (box->isVisible() && box->isEnabled() && box->lineEdit())
                boxes << box;
        }
        if (boxes.isEmpty())
            return key(window);
        std::sort(boxes.begin(), boxes.end(), [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        QComboBox* box = pick(boxes);
        QLineEdit* field = box->lineEdit();
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(2, field->height() / 2));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        const QString text = someText(box->objectName() != QLatin1String("cboGender"));
        typeText(field, text);
        QString what = QStringLiteral("type '%1' into %2").arg(text, nameOf(box));
        if (chance(50)) {
            QTest::keyClick(field, Qt::Key_Return);
            what += QStringLiteral(", Enter");
        }
        return what;
    }

    // An open list (a combo box's): pick an entry by mouse or keys, or click elsewhere.
    QString popupEvent(QWidget* popup) {
        auto* view = popup->findChild<QAbstractItemView*>();
        auto* combo = qobject_cast<QComboBox*>(popup->parentWidget());
        const int roll = below(100);
        if (view && view->model() && view->model()->rowCount() > 0 && roll < 40) {
            const QModelIndex index = view->model()->index(below(view->model()->rowCount()), 0);
            view->scrollTo(index);
            const QRect rect = view->visualRect(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
            return QStringLiteral("click list entry '%1'").arg(index.data().toString());
        }
        if (roll < 80) {
            const QList<Qt::Key> keys{Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown,
                                      Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape, Qt::Key_L};
            const Qt::Key pressed = pick(keys);
            QWidget* target = view ? static_cast<QWidget*>(view) : popup;
            QTest::keyClick(target, pressed);
            return QStringLiteral("key %1 in the open list").arg(int(pressed), 0, 16);
        }
        if (combo)
            combo->hidePopup();
        else
            popup->close();
        return QStringLiteral("click away from the open list");
    }

    // The user clicks another window of the program, which becomes active.
    QString switchWindow(shell::ScreenWindow* window) {
        QList<shell::ScreenWindow*> others = visibleWindows();
        others.removeAll(window);
        if (others.isEmpty())
            return pause(4);
        QPointer<shell::ScreenWindow> other = pick(others);
        other->raise();
        other->activateWindow();
        QString what = QStringLiteral("switch to ") + other->objectName();
        if (chance(50)) {
            QCoreApplication::processEvents(); // may run a late click that unloads that window
            if (other)
                what += QStringLiteral(", ") + click(other);
        }
        return what;
    }

    // The event loop runs as in the program (QTest::qWait would sleep between its rounds, and
    // the 1 ms progress timer would crawl).
    QString pause(int longest) {
        const int ms = 1 + below(longest);
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        return QStringLiteral("wait %1 ms").arg(ms);
    }

    // The close box of a window's frame, as the window system delivers it.
    QString closeWindow(shell::ScreenWindow* window) {
        const auto windows = visibleWindows();
        shell::ScreenWindow* target = (chance(60) || windows.isEmpty()) ? window : pick(windows);
        const QString what = QStringLiteral("close ") + target->objectName();
        if (QWindow* handle = target->windowHandle())
            handle->close();
        else
            target->close();
        return what;
    }

    QString songEnd(QWidget* window) {
        FakeSongPlayer* player = fakeSongPlayer();
        if (!player || !player->isPlaying())
            return QStringLiteral("no song playing: ") + key(window);
        ++m_songEnds;
        player->finishSong();
        return QStringLiteral("song ends");
    }

private:
    // ---- random choices -------------------------------------------------------------------
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    T pick(const QList<T>& list) { return list.at(below(static_cast<int>(list.size()))); }

    static QList<shell::ScreenWindow*> visibleWindows() {
        QList<shell::ScreenWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<shell::ScreenWindow*>(widget);
            if (window && window->isVisible())
                windows << window;
        }
        // topLevelWidgets() has no stable order; the seed must give the same run.
        std::sort(windows.begin(), windows.end(), [](QWidget* a, QWidget* b) {
            return a->objectName() < b->objectName();
        });
        return windows;
    }

    // The window the user is looking at: the active one, else the framework's active screen.
    shell::ScreenWindow* activeWindow() const {
        if (auto* window = qobject_cast<shell::ScreenWindow*>(QApplication::activeWindow());
            window && window->isVisible())
            return window;
        if (shell::ScreenWindow* screen = drive::program().activeScreen(); screen && screen->isVisible())
            return screen;
        return nullptr;
    }

    std::mt19937 m_random;
    QString m_kind;
    int m_songEnds = 0;
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
        // The Keep menu, the pane's menu, the save and print dialogs run loops of their own until
        // the user is done with them: this user dismisses them at once.
        QTimer dismiss;
        QObject::connect(&dismiss, &QTimer::timeout, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                menu->close();
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog && !dialog->inherits("sunsign::SignFinderDialog"))
                dialog->reject();
        });
        dismiss.start(20);
        for (int index = 0; index < count && m_failure.isEmpty(); ++index) {
            QElapsedTimer clock;
            clock.start();
            m_index = index;
            m_eventStarted = m_sinceStart.elapsed();
            const QString what = m_user.sendOne();
            drive::settle();
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
            if (m_failure.isEmpty() && !drive::program().ended()) {
                QStringList broken = programInvariants();
                broken << sameInstances();
                if (!broken.isEmpty())
                    m_failure = broken.join(QStringLiteral("; "));
            }
            if (!m_failure.isEmpty())
                return report(index, count);
            countVisibleScreens();
            if (drive::program().ended()) {
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
    // Each screen has one instance for the life of the program: once made, never replaced
    // (but for the About box, made afresh after it closes).
    QStringList sameInstances() {
        QStringList broken;
        for (const QString& name : drive::screenNames()) {
            if (name == QLatin1String("frmAbout"))
                continue;
            const QWidget* now = drive::loadedScreen(name);
            const QWidget*& first = m_instances[name];
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
        drive::settle();
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
        for (const QString& name : drive::screenNames()) {
            if (drive::visible(name))
                ++m_stats.visibleAfter[name];
        }
    }

    void remember(int index, const QString& what, qint64 took) {
        const std::lock_guard<std::mutex> lock(m_recentLock);
        m_recent.push_back(QStringLiteral("#%1 (%2 ms) %3").arg(index).arg(took).arg(what));
        if (m_trace) {
            const QWidget* active = drive::program().activeScreen();
            std::printf("%s  [active %s, count %d]\n", qPrintable(m_recent.back()),
                        active ? qPrintable(active->objectName()) : "none", int(drive::program().state().progressCount));
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
    std::map<QString, const QWidget*> m_instances;
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

} // namespace

QString run(quint32 seed, int count, SoakStats& stats) {
    SoakDriver driver(seed);
    const QString failure = driver.run(count);
    stats = driver.stats();
    return failure;
}

} // namespace soak
