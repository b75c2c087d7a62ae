#pragma once
// The dating guides, keyed by the partner's sign (and, for the gift list, gender), and the
// fixed love ratings grid.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace compat {

std::optional<QString> BuildDosAndDontsText(const QString& partnerSign);
std::optional<QString> BuildDateGuideText(const QString& partnerSign);
std::optional<QString> BuildGiftGuideText(const QString& partnerSign, const QString& partnerGender);
// 25 rows of exactly 35 characters, never laid out.
QString BuildLoveRatingsText();

// The pieces of each guide before they are laid out for the pane, in the order shown; the
// date and gift guides' pieces include their headings (GuideHeadings).
std::optional<QStringList> DosAndDontsParagraphs(const QString& partnerSign);
std::optional<QStringList> DateGuideParagraphs(const QString& partnerSign);
std::optional<QStringList> GiftGuideParagraphs(const QString& partnerSign,
                                               const QString& partnerGender);
QStringList GuideHeadings();

// What the ratings grid is made of: 3 high, 2 medium, 1 low, for every sign (Aries .. Pisces).
struct TraitRatings {
    const char* trait;
    std::array<int, 12> ratings;
};
const std::array<TraitRatings, 9>& LoveRatings();
QString LoveRatingsLegend();

} // namespace compat
