#pragma once
// The sun sign of a birth: the date, the time if known, and the birthplace's IANA time zone in;
// the sign, when the Sun entered and left it, and the answer as the dialog words it out.
// Civil time goes to UTC through the zone's history in Qt's time-zone database; every moment
// shown is in the birthplace's zone.

#include "zodiac/SignCatalogue.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>
#include <QTimeZone>
#include <optional>

namespace sunsign {

// The birth dates the finder answers for, both included.
QDate firstSupportedDate();
QDate lastSupportedDate();

struct BirthQuery {
    QDate date;
    std::optional<QTime> time;                 // none: time unknown
    QByteArray zoneId;                         // IANA, e.g. "Europe/Berlin"
    std::optional<int> offsetSeconds;          // the choice when the local time occurred twice
};

struct SignAnswer {
    enum class Kind {
        Sign,          // the sign is known: `signs` holds it
        ChangeOver,    // no time given, the Sun changed sign that day: `signs` holds both
        OutOfRange,    // the date is outside the supported range
        UnknownZone,   // the zone is none the time-zone database knows
        NoSuchTime,    // the local time (or the whole day) was skipped by a change of the clocks
        TwoTimes,      // the local time occurred twice: `offsets` holds both, earlier first
    };
    Kind kind = Kind::OutOfRange;
    QList<zodiac::Sign> signs;  // earlier first
    QDateTime entered;          // Sign: when the Sun entered the sign, in the birthplace's zone
    QDateTime leaves;           // Sign: when it moved on to the next
    QDateTime changeOver;       // ChangeOver: the moment of change
    QList<int> offsets;         // TwoTimes: the two offsets from UTC, in seconds
    QString text;               // the answer, or what is wrong with the question

    bool answered() const { return kind == Kind::Sign || kind == Kind::ChangeOver; }
    // The first line of the command-line check: "Leo", or "Capricorn or Aquarius".
    QString headline() const;
};

SignAnswer findSign(const BirthQuery& query);

// Every UTC moment whose local time in the zone is `date time`, earliest first: none where the
// clocks skipped it, two where they went back over it.
QList<QDateTime> utcMomentsOf(const QDate& date, const QTime& time, const QTimeZone& zone);

// "UTC+05:30" for 19800.
QString offsetText(int offsetSeconds);

} // namespace sunsign
