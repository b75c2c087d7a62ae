#include "compat/LoveMatch.h"

#include "assets/ContentCatalogue.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"

#include <algorithm>
#include <array>

namespace compat {

namespace {

// The sections of a reading in the order they are shown. A reading may leave one out (two of
// them have no Dynamics); the rest keep their places.
constexpr std::array<const char*, 6> kSections{"Intro",    "Dynamics",  "Planets",
                                               "Elements", "Qualities", "BestAspect"};

} // namespace

std::optional<QStringList> LoveMatchParagraphs(const QString& userSign,
                                               const QString& partnerSign) {
    const auto user = zodiac::signFromName(userSign);
    const auto partner = zodiac::signFromName(partnerSign);
    if (!user || !partner)
        return std::nullopt;

    // One reading per unordered pair, filed under the earlier sign of the zodiac.
    const int userPlace = zodiac::placeOf(*user);
    const int partnerPlace = zodiac::placeOf(*partner);
    const int earlier = std::min(userPlace, partnerPlace);
    const int later = std::max(userPlace, partnerPlace);
    const QString key = zodiac::signName(zodiac::signAt(earlier)) + QLatin1Char('+') +
                        zodiac::signName(zodiac::signAt(later)) + QLatin1Char('.');

    const auto& catalogue = assets::ContentCatalogue::folder(QStringLiteral(":/content/lovematch"));
    QStringList paragraphs;
    for (const char* section : kSections) {
        if (const auto paragraph = catalogue.entry(key + QLatin1String(section)))
            paragraphs << *paragraph;
    }
    if (paragraphs.isEmpty())
        return std::nullopt;
    return paragraphs;
}

std::optional<QString> BuildLoveMatchText(const QString& userSign, const QString& partnerSign) {
    const auto paragraphs = LoveMatchParagraphs(userSign, partnerSign);
    if (!paragraphs)
        return std::nullopt;
    QString text;
    for (const QString& paragraph : *paragraphs) {
        text += textlayout::FormatParagraph(paragraph, textlayout::PaneColumns);
        text += textlayout::BlankLine();
    }
    return text;
}

} // namespace compat
