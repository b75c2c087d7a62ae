#pragma once
// A seeded user who does anything at all: clicks on whatever is visible and enabled on the
// active screen (buttons, options, combo boxes, the clickable labels and pictures, the pane),
// keys (letters, Enter, Esc, Tab, arrows, Alt with the access keys and others), text typed into
// the combo boxes (names right, nearly right and wrong, and garbage), picks from the combo
// lists, topic choices, switches to another window of the program, window closes, pauses that
// let the timers run, and songs that end. The same seed sends the same events.

#include "SoakProgram.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <map>
#include <random>

namespace soak {

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
        if (screenVisible(QStringLiteral("frmProcessing")) && chance(70))
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
        shell::ScreenWindow* other = pick(others);
        other->raise();
        other->activateWindow();
        QString what = QStringLiteral("switch to ") + other->objectName();
        if (chance(50)) {
            QCoreApplication::processEvents();
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
        FakeSequencer* sequencer = fakeSequencer();
        if (!sequencer || !sequencer->open)
            return QStringLiteral("no song playing: ") + key(window);
        ++m_songEnds;
        sequencer->finishSong();
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
        if (shell::Screen* screen = shell::Screens::instance().activeScreen(); screen && screen->isVisible())
            return screen->window();
        return nullptr;
    }

    std::mt19937 m_random;
    QString m_kind;
    int m_songEnds = 0;
};

} // namespace soak
