#pragma once
// The six topic texts of the personal analysis. Every paragraph is laid out at the pane's
// width and paragraphs are joined by BlankLine. A builder given a name that is not exactly one
// of the twelve sign names finds no entry and returns nothing.

#include <QString>
#include <QStringList>
#include <optional>

namespace personal {

// The paragraphs a sign's topic is built from, before they are laid out for the pane: the
// printed report sets the same words in its own type.
enum class Topic { Introduction, House, Quality, Planet, Element };
std::optional<QStringList> TopicParagraphs(Topic topic, const QString& sign);
// The Relationship topic around its grid: the introduction, then the meanings of the numbers.
QStringList RelationshipIntroParagraphs();
QStringList VibrationMeaningParagraphs();

std::optional<QString> BuildIntroductionText(const QString& sign);
std::optional<QString> BuildHouseText(const QString& sign);
std::optional<QString> BuildQualityText(const QString& sign);
std::optional<QString> BuildPlanetText(const QString& sign);
std::optional<QString> BuildElementText(const QString& sign);
// The same for every sign: the introduction, the vibration grid and the meanings.
QString BuildRelationshipText();

} // namespace personal
