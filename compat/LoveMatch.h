#pragma once
// The Love Match reading of a couple: one entry for each unordered pair of signs, every
// section laid out at the pane's width and followed by BlankLine.

#include <QString>
#include <QStringList>
#include <optional>

namespace compat {

// Either order of the two names gives the same text; a name that is not exactly one of the
// twelve sign names finds no entry.
std::optional<QString> BuildLoveMatchText(const QString& userSign, const QString& partnerSign);
// The same reading's sections before they are laid out for the pane.
std::optional<QStringList> LoveMatchParagraphs(const QString& userSign, const QString& partnerSign);

} // namespace compat
