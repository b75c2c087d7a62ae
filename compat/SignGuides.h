#pragma once
// The dating guides, keyed by the partner's sign (and, for the gift list, gender), and the
// fixed love ratings grid.

#include <QString>
#include <optional>

namespace compat {

std::optional<QString> BuildDosAndDontsText(const QString& partnerSign);
std::optional<QString> BuildDateGuideText(const QString& partnerSign);
std::optional<QString> BuildGiftGuideText(const QString& partnerSign, const QString& partnerGender);
// 25 rows of exactly 35 characters, never laid out.
QString BuildLoveRatingsText();

} // namespace compat
