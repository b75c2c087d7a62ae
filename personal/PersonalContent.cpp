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

// One catalogue paragraph, laid out to the pane's width.
QString laidOut(const QString& key) {
    return textlayout::FormatParagraph(catalogue().entry(key).value_or(QString()),
                                       textlayout::PaneColumns);
}

QString signKey(zodiac::Sign sign, const char* section) {
    return zodiac::signName(sign) + QLatin1Char('.') + QLatin1String(section);
}

// Laid-out paragraphs with `separator` between consecutive ones and nothing after the last.
QString joined(const QStringList& keys, const QString& separator) {
    QString text;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0)
            text += separator;
        text += laidOut(keys[i]);
    }
    return text;
}

} // namespace

std::optional<QString> BuildIntroductionText(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    QStringList keys;
    for (const char* section : {"ZodiacPlace", "Symbol", "Ruler", "ElementNature", "Character",
                                "Leisure", "BodyAndColours", "Strength"})
        keys << signKey(*found, section);
    return joined(keys, BlankLine());
}

std::optional<QString> BuildHouseText(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    return laidOut(signKey(*found, "House"));
}

std::optional<QString> BuildQualityText(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    return laidOut(QStringLiteral("Quality.") + zodiac::qualityName(zodiac::SignQuality(*found)));
}

std::optional<QString> BuildPlanetText(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    QStringList keys;
    for (const zodiac::Planet planet : zodiac::SignPlanets(*found))
        keys << QStringLiteral("Planet.") + zodiac::planetName(planet);
    return joined(keys, BlankLine());
}

std::optional<QString> BuildElementText(const QString& sign) {
    const auto found = zodiac::signFromName(sign);
    if (!found)
        return std::nullopt;
    return laidOut(QStringLiteral("Element.") + zodiac::elementName(zodiac::SignElement(*found)));
}

QString BuildRelationshipText() {
    QStringList intro;
    for (int n = 1; n <= 3; ++n)
        intro << QStringLiteral("RelationshipIntro.%1").arg(n);
    QStringList meanings;
    for (int n = 1; n <= 7; ++n)
        meanings << QStringLiteral("VibrationMeaning.%1").arg(n);

    const QString twoBlankLines = BlankLine() + BlankLine();
    const VibrationBlock first = VibrationGridBlock(0);
    const VibrationBlock second = VibrationGridBlock(1);
    return joined(intro, BlankLine()) + twoBlankLines + first.header + first.rows + BlankLine() +
           second.header + second.rows + twoBlankLines + joined(meanings, twoBlankLines);
}

} // namespace personal
