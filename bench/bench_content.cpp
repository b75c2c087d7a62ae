// Micro-benchmarks of the work behind the analysis screens: laying out paragraphs, building the
// topic texts (content lookups included), breaking them into the pane's rows and showing them,
// one whole activation of each analysis screen, and what reading the content and the pictures
// costs the first time they are needed. Runs on any Qt platform; tools/bench uses "offscreen".

#include "assets/ContentCatalogue.h"
#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "compat/frmLove.h"
#include "personal/PersonalContent.h"
#include "personal/frmPersonal.h"
#include "shell/Startup.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "textlayout/FormatParagraph.h"
#include "textlayout/PaneRows.h"
#include "zodiac/SignCatalogue.h"

#include "BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString kUser = QStringLiteral("Leo");
const QString kPartner = QStringLiteral("Scorpio");
const QString kGender = QStringLiteral("She");
const QStringList kFolders{QStringLiteral(":/content/personal"), QStringLiteral(":/content/lovematch"),
                           QStringLiteral(":/content/guides")};

QString longestParagraph() {
    QString longest;
    for (const QString& folder : kFolders)
        for (const QString& paragraph : assets::ContentCatalogue::folder(folder).entries())
            if (paragraph.size() > longest.size())
                longest = paragraph;
    return longest;
}

// The paragraphs of one love analysis as they stand in the content, before layout.
QStringList loveAnalysisParagraphs() {
    QStringList paragraphs;
    const auto& matches = assets::ContentCatalogue::folder(QStringLiteral(":/content/lovematch"));
    for (const char* section : {"Intro", "Dynamics", "Planets", "Elements", "Qualities", "BestAspect"})
        if (auto p = matches.entry(kUser + QLatin1Char('+') + kPartner + QLatin1Char('.') + QLatin1String(section)))
            paragraphs << *p;
    const auto& guides = assets::ContentCatalogue::folder(QStringLiteral(":/content/guides"));
    for (const char* field : {"Dos", "Donts", "DateInsight", "DateIdeas", "GiftInsight", "GiftIdeasShe"})
        if (auto p = guides.entry(kPartner + QLatin1Char('.') + QLatin1String(field)))
            paragraphs << *p;
    paragraphs << QStringLiteral("Insights into Likes, Dislikes, Motivations and Desires:")
               << QStringLiteral("Suggestions for the perfect date:")
               << QStringLiteral("Personality Insights into Gift Giving:")
               << QStringLiteral("Suggestions for the perfect gift:");
    return paragraphs;
}

// The longest text any topic of either screen can show.
QString longestTopicText() {
    QString longest;
    auto consider = [&](const std::optional<QString>& text) {
        if (text && text->size() > longest.size())
            longest = *text;
    };
    consider(personal::BuildRelationshipText());
    consider(compat::BuildLoveRatingsText());
    for (const QString& sign : zodiac::signNames()) {
        consider(personal::BuildIntroductionText(sign));
        consider(personal::BuildHouseText(sign));
        consider(personal::BuildQualityText(sign));
        consider(personal::BuildPlanetText(sign));
        consider(personal::BuildElementText(sign));
        consider(compat::BuildDosAndDontsText(sign));
        consider(compat::BuildDateGuideText(sign));
        for (const QString& gender : {QStringLiteral("He"), QStringLiteral("She")})
            consider(compat::BuildGiftGuideText(sign, gender));
        for (const QString& other : zodiac::signNames())
            consider(compat::BuildLoveMatchText(sign, other));
    }
    return longest;
}

// What the navigator hands an analysis screen each time it becomes active: the user's sign, or
// the couple. `other` picks a second pair.
void handOver(personal::frmPersonal& screen, bool other) {
    screen.showReading(other ? QStringLiteral("Aries") : kUser);
}
void handOver(compat::frmLove& screen, bool other) {
    screen.showCouple(other ? QStringLiteral("Aries") : kUser, other ? QStringLiteral("Aquarius") : kPartner, kGender);
}

// The first showing of an analysis screen in a fresh process: its window built from the form,
// its content folder read, its fonts and picture loaded, its texts built, shown and painted.
// One iteration each, and these run first, while nothing but the font database is warm (as
// after the splash and the chooser). Single runs: read them as rough figures.
template <class Screen>
void firstShowing(benchmark::State& state) {
    for (auto _ : state) {
        Screen screen;
        handOver(screen, false);
        screen.show();
        screen.repaint();
    }
}
void BM_FirstShowing_frmPersonal(benchmark::State& state) { firstShowing<personal::frmPersonal>(state); }
void BM_FirstShowing_frmLove(benchmark::State& state) { firstShowing<compat::frmLove>(state); }
BENCHMARK(BM_FirstShowing_frmPersonal)->Iterations(1)->Repetitions(1);
BENCHMARK(BM_FirstShowing_frmLove)->Iterations(1)->Repetitions(1);

void BM_FormatParagraph_LongestParagraph(benchmark::State& state) {
    const QString paragraph = longestParagraph();
    for (auto _ : state)
        benchmark::DoNotOptimize(textlayout::FormatParagraph(paragraph, textlayout::PaneColumns));
    state.SetLabel(std::to_string(paragraph.size()) + " characters");
}
BENCHMARK(BM_FormatParagraph_LongestParagraph);

void BM_FormatParagraph_OneLoveAnalysis(benchmark::State& state) {
    const QStringList paragraphs = loveAnalysisParagraphs();
    for (auto _ : state)
        for (const QString& paragraph : paragraphs)
            benchmark::DoNotOptimize(textlayout::FormatParagraph(paragraph, textlayout::PaneColumns));
    state.SetLabel(std::to_string(paragraphs.size()) + " paragraphs");
}
BENCHMARK(BM_FormatParagraph_OneLoveAnalysis);

void BM_BuildTexts_PersonalActivation(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(personal::BuildRelationshipText());
        benchmark::DoNotOptimize(personal::BuildIntroductionText(kUser));
        benchmark::DoNotOptimize(personal::BuildHouseText(kUser));
        benchmark::DoNotOptimize(personal::BuildQualityText(kUser));
        benchmark::DoNotOptimize(personal::BuildPlanetText(kUser));
        benchmark::DoNotOptimize(personal::BuildElementText(kUser));
    }
}
BENCHMARK(BM_BuildTexts_PersonalActivation);

void BM_BuildTexts_LoveActivation(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(compat::BuildLoveRatingsText());
        benchmark::DoNotOptimize(compat::BuildLoveMatchText(kUser, kPartner));
        benchmark::DoNotOptimize(compat::BuildDosAndDontsText(kPartner));
        benchmark::DoNotOptimize(compat::BuildDateGuideText(kPartner));
        benchmark::DoNotOptimize(compat::BuildGiftGuideText(kPartner, kGender));
    }
}
BENCHMARK(BM_BuildTexts_LoveActivation);

void BM_PaneRows_LongestTopicText(benchmark::State& state) {
    const QString text = longestTopicText();
    for (auto _ : state)
        benchmark::DoNotOptimize(textlayout::PaneRows(text, textlayout::PaneColumns));
    state.SetLabel(std::to_string(text.size()) + " characters");
}
BENCHMARK(BM_PaneRows_LongestTopicText);

// Rows broken, the pane's document filled and the visible part painted.
void BM_PaneShow_LongestTopicText(benchmark::State& state) {
    const QString text = longestTopicText();
    shell::TextPane pane;
    pane.resize(305, 289);
    pane.show();
    QApplication::processEvents();
    for (auto _ : state) {
        pane.setText(text);
        pane.viewport()->repaint();
    }
}
BENCHMARK(BM_PaneShow_LongestTopicText);

// The real screen, shown once; each iteration is one whole activation (every text built, the
// pane filled), optionally followed by the repaint it causes. "NewPair" alternates between two
// couples, so every activation shows texts the pane did not show before (the user has been to
// the main menu or the partner screen); "SamePair" is the return from the About screen.
template <class Screen>
void activations(benchmark::State& state, bool paint, bool alternate) {
    Screen screen;
    handOver(screen, false);
    screen.show();
    QApplication::processEvents();
    bool other = false;
    for (auto _ : state) {
        if (alternate)
            other = !other;
        handOver(screen, other);
        if (paint)
            screen.repaint();
    }
}

void BM_Activation_NewPair_frmPersonal(benchmark::State& state) { activations<personal::frmPersonal>(state, false, true); }
void BM_Activation_NewPair_frmLove(benchmark::State& state) { activations<compat::frmLove>(state, false, true); }
void BM_Activation_SamePair_frmPersonal(benchmark::State& state) { activations<personal::frmPersonal>(state, false, false); }
void BM_Activation_SamePair_frmLove(benchmark::State& state) { activations<compat::frmLove>(state, false, false); }
void BM_ActivationAndPaint_NewPair_frmPersonal(benchmark::State& state) {
    activations<personal::frmPersonal>(state, true, true);
}
void BM_ActivationAndPaint_NewPair_frmLove(benchmark::State& state) { activations<compat::frmLove>(state, true, true); }
BENCHMARK(BM_Activation_NewPair_frmPersonal);
BENCHMARK(BM_Activation_NewPair_frmLove);
BENCHMARK(BM_Activation_SamePair_frmPersonal);
BENCHMARK(BM_Activation_SamePair_frmLove);
BENCHMARK(BM_ActivationAndPaint_NewPair_frmPersonal);
BENCHMARK(BM_ActivationAndPaint_NewPair_frmLove);

// What the first lookup in a content folder costs: reading its files from the resources and
// parsing them (ContentCatalogue::folder does this once per folder).
void BM_FirstLookup_ReadContentFolder(benchmark::State& state) {
    const QString folder = kFolders[static_cast<qsizetype>(state.range(0))];
    qsizetype characters = 0;
    for (auto _ : state) {
        QHash<QString, QString> entries;
        const QDir dir(folder);
        characters = 0;
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromUtf8(file.readAll());
            characters += text.size();
            assets::ContentCatalogue::parse(text, entries);
        }
        benchmark::DoNotOptimize(entries);
    }
    state.SetLabel(folder.toStdString() + ", " + std::to_string(characters) + " characters");
}
BENCHMARK(BM_FirstLookup_ReadContentFolder)->DenseRange(0, 2);

// What a picture costs the first time it is shown: reading and parsing the vector file, then
// drawing it at its size on the screen.
void BM_FirstShow_Picture(benchmark::State& state, const char* source, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QSvgRenderer renderer(QString::fromLatin1(source));
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
}
BENCHMARK_CAPTURE(BM_FirstShow_Picture, splash, ":/pictures/splash.svg", 455, 276);
BENCHMARK_CAPTURE(BM_FirstShow_Picture, banner_leo, ":/pictures/banner-leo.svg", 468, 75);
BENCHMARK_CAPTURE(BM_FirstShow_Picture, heart, ":/pictures/heart.svg", 94, 80);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv, [](QApplication& app) -> std::optional<int> {
        shell::prepareApplication(app); // the screens are measured on their own, without the music player
        // In the program the splash has drawn text before any analysis screen is built, so the
        // font database is ready by then; make it ready here too.
        benchmark::DoNotOptimize(QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("3.1.0")));
        return std::nullopt;
    });
}
