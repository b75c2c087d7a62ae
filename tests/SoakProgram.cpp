// The whole program for the soak, with the outside world faked: the song player only records (songs
// end when the driver says so), the About screen starts no tool and opens no address, message
// boxes are recorded, and the end of the program is recorded instead of taken. And what must
// hold whatever the user did.

#include "Soak.h"

#include "FakeSongPlayer.h"
#include "ProgramDriver.h"
#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "about/frmAbout.h"
#include "personal/PersonalContent.h"
#include "shell/frmSplash.h"
#include "zodiac/SignCatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

namespace soak {

namespace {

// Outside services that only count what they are asked.
struct CountingSystem : about::SystemServices {
    int toolStarts = 0;
    QString findExecutable(const QString&) override { return {}; }
    bool isNormalFile(const QString&) override { return false; }
    bool startDetached(const QString&) override {
        ++toolStarts;
        return true;
    }
};
struct CountingOpener : about::LinkOpener {
    int opened = 0;
    bool open(const QString&, std::function<void()>) override {
        ++opened;
        return opened % 2 == 0; // every other address fails, so both answers are exercised
    }
};
CountingSystem& fakeSystem() {
    static CountingSystem system;
    return system;
}
CountingOpener& fakeOpener() {
    static CountingOpener opener;
    return opener;
}

// The one checked option of an analysis screen (1-based), 0 when none, -1 when several.
int checkedOption(const QWidget& screen, int options) {
    int checked = 0;
    for (int i = 1; i <= options; ++i) {
        auto* option = screen.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(i));
        if (option && option->isChecked())
            checked = checked ? -1 : i;
    }
    return checked;
}

// What the builders give for topic `option` of the personal analysis of `sign`.
QString personalTopicText(int option, const QString& sign) {
    switch (option) {
    case 1: return personal::BuildIntroductionText(sign).value_or(QString());
    case 2: return personal::BuildHouseText(sign).value_or(QString());
    case 3: return personal::BuildQualityText(sign).value_or(QString());
    case 4: return personal::BuildPlanetText(sign).value_or(QString());
    case 5: return personal::BuildElementText(sign).value_or(QString());
    case 6: return personal::BuildRelationshipText();
    default: return QStringLiteral("<no text for option %1>").arg(option);
    }
}

} // namespace

std::function<void()>& onProgramEnd() {
    static std::function<void()> observer;
    return observer;
}

void startFreshProgram(int splashMs) {
    ProgramServices services;
    services.player = drive::recordingPlayer;
    services.system = &fakeSystem();
    services.links = &fakeOpener();
    services.end = [] {
        if (onProgramEnd())
            onProgramEnd()();
    };
    Program& program = drive::freshWholeProgram(std::move(services));
    program.start();
    program.splash().tmrSplash().start(splashMs);
}

FakeSongPlayer* fakeSongPlayer() { return &drive::recordedMusic(); }

QStringList programInvariants() {
    QStringList broken;
    const ProgramState& state = drive::program().state();

    // One instance per screen: at most one window per screen name, and that window is the
    // screen's own; no more screen windows than screens.
    std::map<QString, int> windows;
    int screenWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<shell::ScreenWindow*>(widget);
        if (!window)
            continue;
        ++screenWindows;
        const QString name = window->objectName();
        if (++windows[name] > 1)
            broken << QStringLiteral("two windows of %1").arg(name);
        if (drive::loadedScreen(name) != window)
            broken << QStringLiteral("a window of %1 that the program does not own").arg(name);
    }
    if (screenWindows > drive::screenNames().size())
        broken << QStringLiteral("%1 screen windows").arg(screenWindows);

    const bool personalUp = drive::visible(QStringLiteral("frmPersonal"));
    const bool loveUp = drive::visible(QStringLiteral("frmLove"));
    const bool progressUp = drive::visible(QStringLiteral("frmProcessing"));
    if ((personalUp || loveUp) && !zodiac::IsSignName(state.userSign))
        broken << QStringLiteral("UserSign '%1' while an analysis is visible").arg(state.userSign);
    if ((progressUp || loveUp) &&
        (!zodiac::IsSignName(state.partnerSign) || !zodiac::IsGenderWord(state.partnerGender)))
        broken << QStringLiteral("partner '%1' '%2' while the progress or love screen is visible")
                      .arg(state.partnerGender, state.partnerSign);
    if (state.progressCount < 0 || state.progressCount > 101)
        broken << QStringLiteral("ProgressCount %1").arg(state.progressCount);

    // The lists of the combo boxes are the program's, whatever was typed into the boxes.
    const std::pair<const char*, QStringList> lists[] = {{"frmChoose", zodiac::signNames()},
                                                         {"frmMoreinfo", zodiac::signNames()}};
    for (const auto& [name, signs] : lists) {
        if (const QWidget* screen = drive::loadedScreen(QString::fromLatin1(name))) {
            const auto* box = screen->findChild<QComboBox*>(QStringLiteral("cboHoro"));
            QStringList items;
            for (int i = 0; box && i < box->count(); ++i)
                items << box->itemText(i);
            if (items != signs)
                broken << QStringLiteral("%1 lists %2").arg(QString::fromLatin1(name), items.join(QLatin1Char(',')));
        }
    }
    if (const QWidget* partner = drive::loadedScreen(QStringLiteral("frmMoreinfo"))) {
        const auto* box = partner->findChild<QComboBox*>(QStringLiteral("cboGender"));
        if (!box || box->count() != 2 || box->itemText(0) != QLatin1String("He") || box->itemText(1) != QLatin1String("She"))
            broken << QStringLiteral("frmMoreinfo gender list changed");
    }

    // The program speaks only in its own words.
    static const QStringList said{
        QStringLiteral("Sorry . . .|Please select a sign before clicking the \"Proceed\" button."),
        QStringLiteral("Sorry . . .|Please input correct data before clicking the \"Proceed\" button."),
        QStringLiteral("Zelvoria|System Information Is Unavailable At This Time"),
        QStringLiteral("Warning|Error jumping to:") + about::homePageAddress()};
    for (const shell::Message& message : messages()) {
        if (!said.contains(message.title + QLatin1Char('|') + message.text))
            broken << QStringLiteral("message box '%1': '%2'").arg(message.title, message.text);
    }

    if (personalUp) {
        const QWidget& screen = *drive::loadedScreen(QStringLiteral("frmPersonal"));
        const int option = checkedOption(screen, 7);
        if (option < 1 || option > 6)
            broken << QStringLiteral("frmPersonal visible with option %1 selected").arg(option);
        else if (drive::paneText(screen) != personalTopicText(option, state.userSign))
            broken << QStringLiteral("frmPersonal pane is not the text of Option%1 for %2")
                          .arg(option)
                          .arg(state.userSign);
    }
    if (loveUp) {
        const QWidget& screen = *drive::loadedScreen(QStringLiteral("frmLove"));
        const int option = checkedOption(screen, 5);
        if (option < 1)
            broken << QStringLiteral("frmLove visible with option %1 selected").arg(option);
        else if (drive::paneText(screen) != drive::loveTopics(state.userSign, state.partnerSign, state.partnerGender).value(option - 1))
            broken << QStringLiteral("frmLove pane is not the text of Option%1 for %2 %3 %4")
                          .arg(option)
                          .arg(state.userSign, state.partnerGender, state.partnerSign);
    }
    return broken;
}

} // namespace soak
