#pragma once
// The six topic texts of the personal analysis. Every paragraph is laid out at the pane's
// width and paragraphs are joined by BlankLine. A builder given a name that is not exactly one
// of the twelve sign names finds no entry and returns nothing.

#include <QString>
#include <optional>

namespace personal {

std::optional<QString> BuildIntroductionText(const QString& sign);
std::optional<QString> BuildHouseText(const QString& sign);
std::optional<QString> BuildQualityText(const QString& sign);
std::optional<QString> BuildPlanetText(const QString& sign);
std::optional<QString> BuildElementText(const QString& sign);
// The same for every sign: the introduction, the vibration grid and the meanings.
QString BuildRelationshipText();

} // namespace personal
