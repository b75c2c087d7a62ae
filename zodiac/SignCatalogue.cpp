#include "zodiac/SignCatalogue.h"

#include <cassert>

namespace zodiac {

namespace {
constexpr std::array<SignInfo, SignCount> kSigns{{
    {Sign::Aries, "Aries", "Mar 21 - Apr 19", "Ari"},
    {Sign::Taurus, "Taurus", "Apr 20 - May 20", "Tau"},
    {Sign::Gemini, "Gemini", "May 21 - Jun 21", "Gem"},
    {Sign::Cancer, "Cancer", "Jun 22 - Jul 22", "Can"},
    {Sign::Leo, "Leo", "Jul 23 - Aug 22", "Leo"},
    {Sign::Virgo, "Virgo", "Aug 23 - Sep 22", "Vir"},
    {Sign::Libra, "Libra", "Sep 23 - Oct 22", "Lib"},
    {Sign::Scorpio, "Scorpio", "Oct 23 - Nov 21", "Sco"},
    {Sign::Sagittarius, "Sagittarius", "Nov 22 - Dec 21", "Sag"},
    {Sign::Capricorn, "Capricorn", "Dec 22 - Jan 19", "Cap"},
    {Sign::Aquarius, "Aquarius", "Jan 20 - Feb 18", "Aqu"},
    {Sign::Pisces, "Pisces", "Feb 19 - Mar 20", "Pis"},
}};

constexpr std::array<const char*, 2> kGenders{"He", "She"};
} // namespace

const std::array<SignInfo, SignCount>& allSigns() { return kSigns; }

int placeOf(Sign sign) { return static_cast<int>(sign); }

Sign signAt(int place) {
    assert(place >= 0 && place < SignCount);
    return kSigns[static_cast<std::size_t>(place)].sign;
}

const SignInfo& info(Sign sign) { return kSigns[static_cast<std::size_t>(placeOf(sign))]; }

QString signName(Sign sign) { return QString::fromLatin1(info(sign).name); }

std::optional<Sign> signFromName(const QString& text) {
    for (const SignInfo& s : kSigns) {
        if (text == QLatin1String(s.name))
            return s.sign;
    }
    return std::nullopt;
}

QStringList signNames() {
    QStringList names;
    for (const SignInfo& s : kSigns)
        names << QString::fromLatin1(s.name);
    return names;
}

QStringList genderWords() {
    QStringList words;
    for (const char* g : kGenders)
        words << QString::fromLatin1(g);
    return words;
}

bool IsSignName(const QString& text) { return signFromName(text).has_value(); }

bool IsGenderWord(const QString& text) {
    for (const char* g : kGenders) {
        if (text == QLatin1String(g))
            return true;
    }
    return false;
}

QString BirthdayRange(const QString& text) {
    const auto sign = signFromName(text);
    return sign ? QString::fromLatin1(info(*sign).birthdayRange) : QString();
}

QString SignAbbreviation(Sign sign) { return QString::fromLatin1(info(sign).abbreviation); }

} // namespace zodiac
