#pragma once
// What astrology attaches to each sign: its quality, its element, its ruling planets (in their
// traditional order) and the house it rules.

#include "zodiac/SignCatalogue.h"

#include <QString>
#include <vector>

namespace zodiac {

enum class Quality { Cardinal, Fixed, Mutable };
enum class Element { Fire, Earth, Air, Water };
enum class Planet { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr int QualityCount = 3;
inline constexpr int ElementCount = 4;
inline constexpr int PlanetCount = 10;

Quality SignQuality(Sign sign);
Element SignElement(Sign sign);
std::vector<Planet> SignPlanets(Sign sign); // one or two, e.g. Mars then Pluto for Scorpio

QString qualityName(Quality quality);
QString elementName(Element element);
QString planetName(Planet planet);
QString houseName(Sign sign); // e.g. "First House, House of Self"

} // namespace zodiac
