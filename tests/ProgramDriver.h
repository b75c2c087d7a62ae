#pragma once
// One driver of the real program for the tests that walk its screens: the whole program made
// fresh as main() makes it, its screens and their controls found by name, a sign typed, the
// event loop run until a screen is up, the pane read. Message boxes are recorded
// (ScreenTestSupport.h), and so is the end of the program.

#include "Program.h"
#include "ScreenTestSupport.h"
#include "shell/ScreenWindow.h"

#include <QStringList>
#include <functional>

class QComboBox;
class FakeSongPlayer;

namespace drive {

// The program's screens in the order of the road.
const QStringList& screenNames();

// The whole program as main() makes it, fresh (the one before goes): messages and the end of
// the program recorded unless given, every other service the real one unless given.
Program& freshWholeProgram(ProgramServices services = {});
// The same with the music recorded rather than played.
Program& programWithRecordedMusic();
// A recording song player for ProgramServices; the last one made is recordedMusic().
std::unique_ptr<music::SongPlayer> recordingPlayer();
Program& program();
// What the recorded music was told (programWithRecordedMusic).
FakeSongPlayer& recordedMusic();
// How often the program has ended.
int ends();

// The screen of that name, made on first use.
shell::ScreenWindow& screen(const QString& name);
// The screen if it is made, else null.
shell::ScreenWindow* loadedScreen(const QString& name);
bool visible(const QString& name);
QStringList visibleScreens();
// Whether the screen's window is the active window.
bool isActive(const QString& name);

[[noreturn]] void noSuchControl(const QString& screenName, const QString& name);
template <class T = QWidget>
T* control(const QString& screenName, const QString& name) {
    T* found = screen(screenName).findChild<T*>(name);
    if (!found)
        noSuchControl(screenName, name);
    return found;
}
// The text the window's pane shows.
QString paneText(const QWidget& window);
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
// The program started, its splash cut short: whether the main menu is then the active window.
bool reachMainMenu();
// On the main menu, once it is active: the sign typed, then Enter. Whether the personal
// analysis then shows.
bool chooseSign(const QString& sign);
// From the personal analysis: More on love, the partner typed, Proceed, the count run through.
// Whether the love analysis then shows.
bool choosePartner(const QString& gender, const QString& sign);
// A fresh program walked, as a user would, to the screen of that name (the user a Leo, the
// partner She, a Scorpio; the About box over the personal analysis; the progress screen shown
// with its count held, or it would give way at once). Whether the screen then shows.
bool walkTo(const QString& name);

} // namespace drive
