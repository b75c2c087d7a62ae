#pragma once
// The whole program for the soak and window-count tests: the real screens as the program
// registers them, with the outside world faked. The sequencer only records (songs end when the
// driver says so), the About screen starts no tool and opens no address, message boxes are
// recorded, and the end of the program is recorded instead of taken.
//
// programInvariants() states what must hold whatever the user did: it is checked after every
// event and at the very moment the program ends.

#include "FakeSequencer.h"
#include "ScreenTestSupport.h"

#include "WholeProgram.h"
#include "about/PlatformServices.h"
#include "about/frmAbout.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "music/frmMusic.h"
#include "personal/PersonalContent.h"
#include "shell/AppState.h"
#include "shell/Screen.h"
#include "shell/ScreenWindow.h"
#include "shell/Startup.h"
#include "shell/TextPane.h"
#include "shell/frmSplash.h"
#include "zodiac/SignCatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <map>

namespace soak {

inline const QStringList& screenNames() {
    static const QStringList names{"frmSplash", "frmChoose", "frmPersonal", "frmMoreinfo",
                                   "frmProcessing", "frmLove", "frmAbout", "frmMusic"};
    return names;
}

// Outside services that only count what they are asked.
struct CountingSystem : about::SystemServices {
    int toolStarts = 0;
    bool readRegistryValue(quint32, const QString&, const QString&, about::RegistryValue&) override {
        return false;
    }
    bool isNormalFile(const QString&) override { return false; }
    bool startProgram(const QString&) override {
        ++toolStarts;
        return true;
    }
};
struct CountingOpener : about::LinkOpener {
    int opened = 0;
    bool open(const QString&) override {
        ++opened;
        return opened % 2 == 0; // every other address fails, so both answers are exercised
    }
};
inline CountingSystem& fakeSystem() {
    static CountingSystem system;
    return system;
}
inline CountingOpener& fakeOpener() {
    static CountingOpener opener;
    return opener;
}

// Called at the moment ExitProgram ends the (recorded) program.
inline std::function<void()>& onProgramEnd() {
    static std::function<void()> observer;
    return observer;
}

// A fresh program, started as main() starts it: screens registered, the splash shown.
// The splash's timer is cut to `splashMs` so that a soak full of program ends does not spend
// its time looking at the splash.
inline void startFreshProgram(int splashMs) {
    ProgramServices services;
    services.sequencer = [] { return std::make_unique<FakeSequencer>(); };
    services.system = &fakeSystem();
    services.links = &fakeOpener();
    services.end = [] {
        ++programEndLog().ends;
        if (onProgramEnd())
            onProgramEnd()();
    };
    freshWholeProgram(std::move(services));
    shell::startProgram();
    auto& splash = shell::Screens::instance().get<shell::frmSplash>();
    if (splash.tmrSplash().isActive())
        splash.tmrSplash().start(splashMs);
}

inline shell::Screen* loadedScreen(const QString& name) {
    shell::Screen* screen = shell::Screens::instance().existing(name);
    return screen && screen->isLoaded() ? screen : nullptr;
}

inline bool screenVisible(const QString& name) {
    const shell::Screen* screen = loadedScreen(name);
    return screen && screen->isVisible();
}

inline FakeSequencer* fakeSequencer() {
    auto* host = dynamic_cast<music::frmMusic*>(shell::Screens::instance().existing(QStringLiteral("frmMusic")));
    return host ? dynamic_cast<FakeSequencer*>(&host->MMControl1()) : nullptr;
}

// The one checked option of an analysis screen (1-based), 0 when none, -1 when several.
inline int checkedOption(const shell::Screen& screen, int options) {
    int checked = 0;
    for (int i = 1; i <= options; ++i) {
        auto* option = screen.window()->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(i));
        if (option && option->isChecked())
            checked = checked ? -1 : i;
    }
    return checked;
}

inline QString paneText(const shell::Screen& screen) {
    auto* pane = screen.window()->findChild<shell::TextPane*>(QStringLiteral("txtContent"));
    return pane ? pane->text() : QStringLiteral("<no pane>");
}

// What the builders give for topic `option` of the personal analysis of `sign`.
inline QString personalTopicText(int option, const QString& sign) {
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

inline QString loveTopicText(int option, const shell::AppState& state) {
    switch (option) {
    case 1: return compat::BuildLoveMatchText(state.UserSign, state.PartnerSign).value_or(QString());
    case 2: return compat::BuildDosAndDontsText(state.PartnerSign).value_or(QString());
    case 3: return compat::BuildDateGuideText(state.PartnerSign).value_or(QString());
    case 4: return compat::BuildGiftGuideText(state.PartnerSign, state.PartnerGender).value_or(QString());
    case 5: return compat::BuildLoveRatingsText();
    default: return QStringLiteral("<no text for option %1>").arg(option);
    }
}

// Every broken invariant, one line each; empty when all hold.
inline QStringList programInvariants() {
    QStringList broken;
    const shell::AppState& state = shell::appState();

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
        const shell::Screen* owner = shell::Screens::instance().existing(name);
        if (!owner || owner->window() != window)
            broken << QStringLiteral("a window of %1 that no screen owns").arg(name);
    }
    if (screenWindows > screenNames().size())
        broken << QStringLiteral("%1 screen windows").arg(screenWindows);

    const bool personalUp = screenVisible(QStringLiteral("frmPersonal"));
    const bool loveUp = screenVisible(QStringLiteral("frmLove"));
    const bool progressUp = screenVisible(QStringLiteral("frmProcessing"));
    if ((personalUp || loveUp) && !zodiac::IsSignName(state.UserSign))
        broken << QStringLiteral("UserSign '%1' while an analysis is visible").arg(state.UserSign);
    if ((progressUp || loveUp) &&
        (!zodiac::IsSignName(state.PartnerSign) || !zodiac::IsGenderWord(state.PartnerGender)))
        broken << QStringLiteral("partner '%1' '%2' while the progress or love screen is visible")
                      .arg(state.PartnerGender, state.PartnerSign);
    if (state.ProgressCount < 0 || state.ProgressCount > 101)
        broken << QStringLiteral("ProgressCount %1").arg(state.ProgressCount);

    // The lists of the combo boxes are the program's, whatever was typed into the boxes.
    const std::pair<const char*, QStringList> lists[] = {{"frmChoose", zodiac::signNames()},
                                                         {"frmMoreinfo", zodiac::signNames()}};
    for (const auto& [name, signs] : lists) {
        if (const shell::Screen* screen = loadedScreen(QString::fromLatin1(name))) {
            const auto* box = screen->window()->findChild<QComboBox*>(QStringLiteral("cboHoro"));
            QStringList items;
            for (int i = 0; box && i < box->count(); ++i)
                items << box->itemText(i);
            if (items != signs)
                broken << QStringLiteral("%1 lists %2").arg(QString::fromLatin1(name), items.join(QLatin1Char(',')));
        }
    }
    if (const shell::Screen* partner = loadedScreen(QStringLiteral("frmMoreinfo"))) {
        const auto* box = partner->window()->findChild<QComboBox*>(QStringLiteral("cboGender"));
        if (!box || box->count() != 2 || box->itemText(0) != QLatin1String("He") || box->itemText(1) != QLatin1String("She"))
            broken << QStringLiteral("frmMoreinfo gender list changed");
    }

    // The program speaks only in its own words.
    static const QStringList said{
        QStringLiteral("Sorry . . .|Please select a sign before clicking the \"Proceed\" button."),
        QStringLiteral("Sorry . . .|Please input correct data before clicking the \"Proceed\" button."),
        QStringLiteral("Zelvoria|System Information Is Unavailable At This Time"),
        QStringLiteral("Warning|Error jumping to:") + about::frmAbout::homePageAddress()};
    for (const shell::Message& message : messages()) {
        if (!said.contains(message.title + QLatin1Char('|') + message.text))
            broken << QStringLiteral("message box '%1': '%2'").arg(message.title, message.text);
    }

    if (personalUp) {
        const shell::Screen& screen = *loadedScreen(QStringLiteral("frmPersonal"));
        const int option = checkedOption(screen, 7);
        if (option < 1 || option > 6)
            broken << QStringLiteral("frmPersonal visible with option %1 selected").arg(option);
        else if (paneText(screen) != personalTopicText(option, state.UserSign))
            broken << QStringLiteral("frmPersonal pane is not the text of Option%1 for %2")
                          .arg(option)
                          .arg(state.UserSign);
    }
    if (loveUp) {
        const shell::Screen& screen = *loadedScreen(QStringLiteral("frmLove"));
        const int option = checkedOption(screen, 5);
        if (option < 1)
            broken << QStringLiteral("frmLove visible with option %1 selected").arg(option);
        else if (paneText(screen) != loveTopicText(option, state))
            broken << QStringLiteral("frmLove pane is not the text of Option%1 for %2 %3 %4")
                          .arg(option)
                          .arg(state.UserSign, state.PartnerGender, state.PartnerSign);
    }
    return broken;
}

} // namespace soak
