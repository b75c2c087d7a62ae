#pragma once
// The fixed vocabulary of the zodiac: the twelve signs in order, their names, birthday-range
// captions and abbreviations, and the two partner gender words. Every comparison is exact:
// letter case counts and nothing is trimmed, so "aries" or "Aries " is no sign name.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zodiac {

enum class Sign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

inline constexpr int SignCount = 12;

struct SignInfo {
    Sign sign;
    const char* name;
    const char* birthdayRange;
    const char* abbreviation;
};

// The twelve signs in zodiac order, Aries first.
const std::array<SignInfo, SignCount>& allSigns();
const SignInfo& info(Sign sign);

// Zero-based place in the zodiac order (Aries 0, Pisces 11).
int placeOf(Sign sign);
Sign signAt(int place);

QString signName(Sign sign);
std::optional<Sign> signFromName(const QString& text);

QStringList signNames();   // "Aries" .. "Pisces"
QStringList genderWords(); // "He", "She"

bool IsSignName(const QString& text);
bool IsGenderWord(const QString& text);
QString BirthdayRange(const QString& text); // empty for anything but an exact sign name
QString SignAbbreviation(Sign sign);

} // namespace zodiac
