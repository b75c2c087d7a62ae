#include "zodiac/Astrology.h"

#include <array>

namespace zodiac {

namespace {
struct SignFacts {
    std::vector<Planet> planets;
    const char* house;
};

const std::array<SignFacts, SignCount>& facts() {
    static const std::array<SignFacts, SignCount> table{{
        {{Planet::Mars}, "First House, House of Self"},
        {{Planet::Venus}, "Second House, House of Possessions"},
        {{Planet::Mercury}, "Third House, House of Communication"},
        {{Planet::Moon}, "Fourth House, House of Home"},
        {{Planet::Sun}, "Fifth House, House of Pleasure"},
        {{Planet::Mercury}, "Sixth House, House of Health"},
        {{Planet::Venus}, "Seventh House, House of Partnership"},
        {{Planet::Mars, Planet::Pluto}, "Eighth House, House of Sex"},
        {{Planet::Jupiter}, "Ninth House, House of Philosophy"},
        {{Planet::Saturn}, "Tenth House, House of Social Status"},
        {{Planet::Uranus, Planet::Saturn}, "Eleventh House, House of Friends"},
        {{Planet::Jupiter, Planet::Neptune}, "Twelfth House, House of the Unconscious"},
    }};
    return table;
}
} // namespace

// Qualities repeat every three signs and elements every four, starting from Aries.
Quality SignQuality(Sign sign) { return static_cast<Quality>(placeOf(sign) % QualityCount); }
Element SignElement(Sign sign) { return static_cast<Element>(placeOf(sign) % ElementCount); }

std::vector<Planet> SignPlanets(Sign sign) {
    return facts()[static_cast<std::size_t>(placeOf(sign))].planets;
}

QString houseName(Sign sign) {
    return QString::fromLatin1(facts()[static_cast<std::size_t>(placeOf(sign))].house);
}

QString qualityName(Quality quality) {
    static const std::array<const char*, QualityCount> names{"Cardinal", "Fixed", "Mutable"};
    return QString::fromLatin1(names[static_cast<std::size_t>(quality)]);
}

QString elementName(Element element) {
    static const std::array<const char*, ElementCount> names{"Fire", "Earth", "Air", "Water"};
    return QString::fromLatin1(names[static_cast<std::size_t>(element)]);
}

QString planetName(Planet planet) {
    static const std::array<const char*, PlanetCount> names{
        "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
    return QString::fromLatin1(names[static_cast<std::size_t>(planet)]);
}

} // namespace zodiac
