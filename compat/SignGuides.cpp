#include "compat/SignGuides.h"

#include "assets/ContentCatalogue.h"
#include "textlayout/FormatParagraph.h"
#include "zodiac/SignCatalogue.h"


namespace compat {

namespace {

const QString kDateHeading =
    QStringLiteral("Insights into Likes, Dislikes, Motivations and Desires:");
const QString kDateIdeasHeading = QStringLiteral("Suggestions for the perfect date:");
const QString kGiftHeading = QStringLiteral("Personality Insights into Gift Giving:");
const QString kGiftIdeasHeading = QStringLiteral("Suggestions for the perfect gift:");

// One field of a partner sign's guide, e.g. "Leo.DateIdeas"; nothing for a name that is not
// exactly a sign name, or for a field the catalogue lacks.
std::optional<QString> guideField(const QString& sign, const char* field) {
    if (!zodiac::IsSignName(sign))
        return std::nullopt;
    const auto& catalogue = assets::ContentCatalogue::folder(QStringLiteral(":/content/guides"));
    return catalogue.entry(sign + QLatin1Char('.') + QLatin1String(field));
}

// Each piece laid out at the pane's width, with one blank row between two pieces and none
// after the last.
std::optional<QString> joinPieces(const std::optional<QStringList>& pieces) {
    if (!pieces)
        return std::nullopt;
    QString text;
    bool first = true;
    for (const QString& piece : *pieces) {
        if (!first)
            text += textlayout::BlankLine();
        first = false;
        text += textlayout::FormatParagraph(piece, textlayout::PaneColumns);
    }
    return text;
}

} // namespace

std::optional<QStringList> DosAndDontsParagraphs(const QString& partnerSign) {
    const auto dos = guideField(partnerSign, "Dos");
    const auto donts = guideField(partnerSign, "Donts");
    if (!dos || !donts)
        return std::nullopt;
    return QStringList{*dos, *donts};
}

std::optional<QStringList> DateGuideParagraphs(const QString& partnerSign) {
    const auto insight = guideField(partnerSign, "DateInsight");
    const auto ideas = guideField(partnerSign, "DateIdeas");
    if (!insight || !ideas)
        return std::nullopt;
    return QStringList{kDateHeading, *insight, kDateIdeasHeading, *ideas};
}

std::optional<QStringList> GiftGuideParagraphs(const QString& partnerSign,
                                               const QString& partnerGender) {
    if (!zodiac::IsGenderWord(partnerGender))
        return std::nullopt;
    const char* listField =
        partnerGender == QLatin1String("He") ? "GiftIdeasHe" : "GiftIdeasShe";
    const auto insight = guideField(partnerSign, "GiftInsight");
    const auto ideas = guideField(partnerSign, listField);
    if (!insight || !ideas)
        return std::nullopt;
    return QStringList{kGiftHeading, *insight, kGiftIdeasHeading, *ideas};
}

QStringList GuideHeadings() {
    return {kDateHeading, kDateIdeasHeading, kGiftHeading, kGiftIdeasHeading};
}

std::optional<QString> BuildDosAndDontsText(const QString& partnerSign) {
    return joinPieces(DosAndDontsParagraphs(partnerSign));
}

std::optional<QString> BuildDateGuideText(const QString& partnerSign) {
    return joinPieces(DateGuideParagraphs(partnerSign));
}

std::optional<QString> BuildGiftGuideText(const QString& partnerSign, const QString& partnerGender) {
    return joinPieces(GiftGuideParagraphs(partnerSign, partnerGender));
}

} // namespace compat
