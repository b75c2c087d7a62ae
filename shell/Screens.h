#pragma once
// The program's screens: each is created on first use and kept until the program ends. The
// program reaches them by type (ScreenTypes.h); a test may put a stand-in under a screen's name.
// The framework keeps its own notion of the program's active screen, so that Form_Activate runs
// at exactly the right moments whatever the window system delivers, and late.

#include "shell/ScreenTypes.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace shell {

class Screen;

class Screens {
public:
    using Factory = std::function<std::unique_ptr<Screen>()>;

    static Screens& instance();

    void registerScreen(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;
    // The one instance of the screen, created on first use.
    Screen& get(const QString& name);
    // Created already? (Does not create.)
    Screen* existing(const QString& name) const;

    // The same for the program's screens, by type.
    template <class T>
    void add(Factory factory = [] { return std::make_unique<T>(); }) {
        registerScreen(nameOf<T>(), std::move(factory));
    }
    template <class T>
    Screen& screen() { // T may be incomplete
        return get(nameOf<T>());
    }
    template <class T>
    Screen* existing() const {
        return existing(nameOf<T>());
    }
    template <class T>
    T& get() {
        auto* screen = dynamic_cast<T*>(&get(nameOf<T>()));
        Q_ASSERT(screen);
        return *screen;
    }

    Screen* activeScreen() const { return m_active; }

    // Destroys every screen and forgets every registration (a fresh program, for tests).
    void reset();

    // Framework events.
    void shown(Screen& screen);
    void windowActivated(Screen& screen);
    void hidden(Screen& screen);

private:
    Screens() = default;
    template <class T>
    static QString nameOf() {
        static_assert(screenName<T> != nullptr, "not one of the program's screens");
        return QString::fromLatin1(screenName<T>);
    }
    void activate(Screen& screen);
    Screen* screenBeneath() const;

    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    Screen* m_active = nullptr;
    std::vector<Screen*> m_history; // most recently active last
    Screen* m_pending = nullptr;    // screen whose window activation the framework asked for
    QElapsedTimer m_pendingSince;
};

// The one instance of the program's screen T, created on first use: screen<frmChoose>().Show().
template <class T>
Screen& screen() {
    return Screens::instance().screen<T>();
}

} // namespace shell
