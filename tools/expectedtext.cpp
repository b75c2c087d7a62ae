// What the program should show, printed by the program's own code, for tools/acceptance:
//   expectedtext caption                                   the window caption of the main screens
//   expectedtext personal SIGN TOPIC                       the rows of a personal analysis topic
//   expectedtext love SIGN PARTNER GENDER TOPIC            the rows of a love analysis topic
//   expectedtext layout                                    every screen's size and controls
//   expectedtext sunsign YYYY-MM-DD [HH:MM] ZONE           the sign finder's answer: the sign
//                                                          (or "Capricorn or Aquarius"), then the text
// Rows are printed as a copy from the text pane gives them: broken as the pane breaks them,
// each without the spaces that pad it to the pane's width, one per line.
// Layout lines read "screen control x y width height", in pixels from the top left corner of
// the screen's window ("-" as the control is the window itself); the screens are built from
// their designs, off screen.

#include "Program.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "personal/PersonalContent.h"
#include "shell/ScreenWindow.h"
#include "shell/Startup.h"
#include "shell/Version.h"
#include "sunsign/SignFinder.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

int usage() {
    std::fputs("usage: expectedtext caption\n"
               "       expectedtext personal SIGN Introduction|House|Quality|Planet|Element|Relationship\n"
               "       expectedtext love SIGN PARTNER GENDER LoveMatch|DosAndDonts|DateGuide|GiftGuide|LoveRatings\n"
               "       expectedtext layout\n"
               "       expectedtext sunsign YYYY-MM-DD [HH:MM] ZONE\n",
               stderr);
    return 2;
}

int printRows(const std::optional<QString>& text) {
    if (!text) {
        std::fputs("expectedtext: no such entry\n", stderr);
        return 1;
    }
    for (QString row : textlayout::PaneRows(*text, textlayout::PaneColumns)) {
        while (row.endsWith(QLatin1Char(' ')))
            row.chop(1);
        out() << row << '\n';
    }
    return 0;
}

std::optional<QString> personalTopic(const QString& sign, const QString& topic) {
    using Builder = std::function<std::optional<QString>(const QString&)>;
    const std::map<QString, Builder> builders{
        {QStringLiteral("Introduction"), personal::BuildIntroductionText},
        {QStringLiteral("House"), personal::BuildHouseText},
        {QStringLiteral("Quality"), personal::BuildQualityText},
        {QStringLiteral("Planet"), personal::BuildPlanetText},
        {QStringLiteral("Element"), personal::BuildElementText},
        {QStringLiteral("Relationship"), [](const QString&) { return personal::BuildRelationshipText(); }},
    };
    const auto found = builders.find(topic);
    return found == builders.end() ? std::nullopt : found->second(sign);
}

std::optional<QString> loveTopic(const QString& sign, const QString& partner, const QString& gender,
                                 const QString& topic) {
    if (topic == QLatin1String("LoveMatch"))
        return compat::BuildLoveMatchText(sign, partner);
    if (topic == QLatin1String("DosAndDonts"))
        return compat::BuildDosAndDontsText(partner);
    if (topic == QLatin1String("DateGuide"))
        return compat::BuildDateGuideText(partner);
    if (topic == QLatin1String("GiftGuide"))
        return compat::BuildGiftGuideText(partner, gender);
    if (topic == QLatin1String("LoveRatings"))
        return compat::BuildLoveRatingsText();
    return std::nullopt;
}

void printGeometry(const QString& screen, const QString& control, const QPoint& at, const QSize& size) {
    out() << screen << ' ' << control << ' ' << at.x() << ' ' << at.y() << ' ' << size.width() << ' '
          << size.height() << '\n';
}

int printLayout(QApplication& app) {
    shell::prepareApplication(app);
    Program program;
    for (QWidget* window : program.screens()) {
        const QString screen = window->objectName();
        printGeometry(screen, QStringLiteral("-"), QPoint(0, 0), window->size());
        const auto controls = window->findChildren<QWidget*>();
        for (const QWidget* control : controls) {
            if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
                continue;
            printGeometry(screen, control->objectName(), control->mapTo(window, QPoint(0, 0)), control->size());
        }
    }
    out().flush();
    return 0;
}

// The finder's answer: its headline, then the text; a question it cannot answer, exit status 2.
int printSunSign(const QStringList& args) {
    sunsign::BirthQuery query;
    query.date = QDate::fromString(args.value(1), Qt::ISODate);
    if (args.size() == 4) {
        query.time = QTime::fromString(args[2], QStringLiteral("HH:mm"));
        if (!query.time->isValid()) {
            std::fputs("expectedtext: the time is HH:MM, 24-hour\n", stderr);
            return 2;
        }
    }
    query.zoneId = args.last().toUtf8();
    const sunsign::SignAnswer answer = sunsign::findSign(query);
    if (!answer.answered()) {
        out() << answer.text << '\n';
        out().flush();
        return 2;
    }
    out() << answer.headline() << '\n' << answer.text << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.value(0) == QLatin1String("layout") && args.size() == 1) {
        // The designs need no display: the screens are built, never shown.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return printLayout(app);
    }
    if (args.value(0) == QLatin1String("caption") && args.size() == 1) {
        out() << shell::VersionCaption() << '\n';
        return 0;
    }
    if (args.value(0) == QLatin1String("personal") && args.size() == 3)
        return printRows(personalTopic(args[1], args[2]));
    if (args.value(0) == QLatin1String("love") && args.size() == 5)
        return printRows(loveTopic(args[1], args[2], args[3], args[4]));
    if (args.value(0) == QLatin1String("sunsign") && (args.size() == 3 || args.size() == 4))
        return printSunSign(args);
    return usage();
}
