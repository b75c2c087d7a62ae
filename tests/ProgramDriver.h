#pragma once
// One driver of the real program for the tests that walk its screens: the whole program made
// fresh as main() assembles it, its screens and their controls found by name, a sign typed,
// the event loop run until a screen is up, the pane read. Message boxes and the end of the
// program are recorded (ScreenTestSupport.h).

#include "Program.h"
#include "ScreenTestSupport.h"

#include <QStringList>
#include <functional>

class QComboBox;
class FakeSongPlayer;

namespace drive {

// The program's screens in the order of the road.
const QStringList& screenNames();

// The whole program as main() assembles it, fresh: messages and the end of the program
// recorded, every other service the real one unless given.
void freshWholeProgram(ProgramServices services = {});
// The same with the music recorded rather than played, by recordedMusic().
void programWithRecordedMusic();
// A recording song player for ProgramServices; the last one made, while it lasts, is recordedMusic().
std::unique_ptr<music::SongPlayer> recordingPlayer();
FakeSongPlayer* recordedMusic();
// The user's sign and the partner's, as the chooser and the partner screen store them.
void setPair(const QString& user, const QString& partner, const QString& gender);

// The screen of that name, made on first use.
shell::Screen& screen(const QString& name);
// The screen if it is made and has its window, else null.
shell::Screen* loadedScreen(const QString& name);
bool visible(const QString& name);
QStringList visibleScreens();
// Whether the screen's window is the active window.
bool isActive(const QString& name);

[[noreturn]] void noSuchControl(const QString& screenName, const QString& name);
template <class T = QWidget>
T* control(const QString& screenName, const QString& name) {
    T* found = screen(screenName).window()->findChild<T*>(name);
    if (!found)
        noSuchControl(screenName, name);
    return found;
}
// The text the screen's pane shows.
QString paneText(const shell::Screen& screen);
// The love analysis's five topics chosen in turn: the texts its pane shows.
QStringList shownLoveTopics();
// What the builders give for the five love topics of a pair, in option order.
QStringList loveTopics(const QString& user, const QString& partner, const QString& gender);
// The counts the progress screen shows in one run: 0 as it enters, then 0 to 100.
QList<int> progressCounts();

// The event loop run as in the program, the objects deleted later deleted.
void settle();
// Runs the event loop until `done` holds or the time is up; whether it holds.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// The box's text field cleared, then `text` typed into it.
void typeInto(QComboBox* box, const QString& text);
// On the main menu, once it is active: the sign typed, then Enter. Whether the personal
// analysis then shows.
bool chooseSign(const QString& sign);

} // namespace drive
