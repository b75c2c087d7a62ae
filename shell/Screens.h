#pragma once
// The program's screens, addressed by name: each is created on first use and kept until the
// program ends. The framework keeps its own notion of the program's active screen, so that
// Form_Activate runs at exactly the right moments whatever the window system delivers, and late.

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

    template <class T>
    T& get() {
        auto* screen = dynamic_cast<T*>(&get(QString::fromLatin1(T::ScreenName)));
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
    void activate(Screen& screen);
    Screen* screenBeneath() const;

    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    Screen* m_active = nullptr;
    std::vector<Screen*> m_history; // most recently active last
    Screen* m_pending = nullptr;    // screen whose window activation the framework asked for
    QElapsedTimer m_pendingSince;
};

} // namespace shell
