#include "personal/PersonalContent.h"

#include "assets/ContentCatalogue.h"
#include "personal/VibrationGrid.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/Astrology.h"
#include "zodiac/SignCatalogue.h"

#include <QStringList>

namespace personal {

namespace {

using textlayout::BlankLine;

const assets::ContentCatalogue& catalogue() {
    return assets::ContentCatalogue::folder(QStringLiteral(":/content/personal"));
}

QString signKey(zodiac::Sign sign, const char* section) {
    return zodiac::signName(sign) + QLatin1Char('.') + QLatin1String(section);
}

QStringList numberedKeys(const char* stem, int count) {
    QStringList keys;
    for (int n = 1; n <= count; ++n)
        keys << QLatin1String(stem) + QLatin1Char('.') + QString::number(n);
    return keys;
}

// The catalogue's paragraphs under `keys`; a missing one is empty, as the pane always showed it.
QStringList entries(const QStringList& keys) {
    QStringList paragraphs;
    for (const QString& key : keys)
        paragraphs << catalogue().entry(key).value_or(QString());
    return paragraphs;
}

// Paragraphs laid out to the pane's width with `separator` between consecutive ones and
// nothing after the last.
QString joined(const QStringList& paragraphs, const QString& separator) {
    QString text;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += separator;
        text += textlayout::FormatParagraph(paragraphs[i], textlayout::PaneColumns);
    }
    return text;
}

std::optional<QString> laidOut(const std::optional<QStringList>& paragraphs) {
    if (!paragraphs)
        return std::nullopt;
    return joined(*paragraphs, BlankLine());
}

} // namespace

std::optional<QStringList> TopicParagraphs(Topic topic, const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    QStringList keys;
    switch (topic) {
    case Topic::Introduction:
        for (const char* section : {"ZodiacPlace", "Symbol", "Ruler", "ElementNature", "Character",
                                    "Leisure", "BodyAndColours", "Strength"})
            keys << signKey(*found, section);
        break;
    case Topic::House:
        keys << signKey(*found, "House");
        break;
    case Topic::Quality:
        keys << QStringLiteral("Quality.") + zodiac::qualityName(zodiac::SignQuality(*found));
        break;
    case Topic::Planet:
        for (const zodiac::Planet planet : zodiac::SignPlanets(*found))
            keys << QStringLiteral("Planet.") + zodiac::planetName(planet);
        break;
    case Topic::Element:
        keys << QStringLiteral("Element.") + zodiac::elementName(zodiac::SignElement(*found));
        break;
    }
    return entries(keys);
}

QStringList RelationshipIntroParagraphs() {
    return entries(numberedKeys("RelationshipIntro", 3));
}

QStringList VibrationMeaningParagraphs() {
    return entries(numberedKeys("VibrationMeaning", 7));
}

std::optional<QString> BuildIntroductionText(const QString& sign) {
    return laidOut(TopicParagraphs(Topic::Introduction, sign));
}
std::optional<QString> BuildHouseText(const QString& sign) {
    return laidOut(TopicParagraphs(Topic::House, sign));
}
std::optional<QString> BuildQualityText(const QString& sign) {
    return laidOut(TopicParagraphs(Topic::Quality, sign));
}
std::optional<QString> BuildPlanetText(const QString& sign) {
    return laidOut(TopicParagraphs(Topic::Planet, sign));
}
std::optional<QString> BuildElementText(const QString& sign) {
    return laidOut(TopicParagraphs(Topic::Element, sign));
}

QString BuildRelationshipText() {
    const QString twoBlankLines = BlankLine() + BlankLine();
    const VibrationBlock first = VibrationGridBlock(0);
    const VibrationBlock second = VibrationGridBlock(1);
    return joined(RelationshipIntroParagraphs(), BlankLine()) + twoBlankLines + first.header +
           first.rows + BlankLine() + second.header + second.rows + twoBlankLines +
           joined(VibrationMeaningParagraphs(), twoBlankLines);
}

} // namespace personal
