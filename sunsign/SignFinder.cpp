#include "sunsign/SignFinder.h"

#include "sunsign/SunPosition.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>

namespace sunsign {

namespace {

// A sign lasts at most 31.5 days; a window this wide holds exactly one crossing each way.
constexpr double SearchDays = 40;

QString tr(const char* text) { return QCoreApplication::translate("sunsign::SignFinder", text); }

QString dayText(const QDate& day) { return QLocale::c().toString(day, QStringLiteral("d MMMM yyyy")); }

// A moment in the birthplace's zone; the year only when it is not the birth's.
QString momentText(const QDateTime& local, int birthYear) {
    return QLocale::c().toString(local, local.date().year() == birthYear
                                            ? QStringLiteral("d MMMM HH:mm")
                                            : QStringLiteral("d MMMM yyyy HH:mm"));
}

zodiac::Sign signAt(const QDateTime& utc) {
    return zodiac::signAt(std::min(11, int(apparentSunLongitude(utc) / 30)));
}

QString nameOf(zodiac::Sign sign) { return zodiac::signName(sign); }

SignAnswer problem(SignAnswer::Kind kind, const QString& text) {
    SignAnswer answer;
    answer.kind = kind;
    answer.text = text;
    return answer;
}

// "Born 23 July 1990 at 14:30 (Europe/Berlin)" or "Born 23 July 1990, time unknown (...)".
QString bornText(const BirthQuery& query, std::optional<int> shownOffset) {
    const QString zone = QString::fromUtf8(query.zoneId);
    if (!query.time)
        return tr("Born %1, time unknown (%2)").arg(dayText(query.date), zone);
    const QString where = shownOffset ? offsetText(*shownOffset) + QStringLiteral(", ") + zone : zone;
    return tr("Born %1 at %2 (%3)").arg(dayText(query.date), query.time->toString(QStringLiteral("HH:mm")), where);
}

QString minutesText(qint64 seconds) {
    const qint64 minutes = seconds / 60;
    return minutes < 1 ? tr("less than a minute") : minutes == 1 ? tr("1 minute") : tr("%1 minutes").arg(minutes);
}

// The sign at a moment, with its entry and exit in the birthplace's zone.
SignAnswer signAround(const QDateTime& utc, const QTimeZone& zone) {
    SignAnswer answer;
    answer.kind = SignAnswer::Kind::Sign;
    const zodiac::Sign sign = signAt(utc);
    const int place = zodiac::placeOf(sign);
    answer.signs = {sign};
    answer.entered = sunReachedBefore(30.0 * place, utc, SearchDays).toTimeZone(zone);
    answer.leaves = sunReachesAfter(30.0 * ((place + 1) % 12), utc, SearchDays).toTimeZone(zone);
    Q_ASSERT(answer.entered.isValid() && answer.leaves.isValid());
    return answer;
}

SignAnswer answerForMoment(const BirthQuery& query, const QDateTime& utc, const QTimeZone& zone,
                           std::optional<int> shownOffset) {
    SignAnswer answer = signAround(utc, zone);
    const zodiac::Sign sign = answer.signs.first();
    answer.text = tr("%1: the Sun was in %2, from %3 to %4 your time.")
                      .arg(bornText(query, shownOffset), nameOf(sign),
                           momentText(answer.entered, query.date.year()),
                           momentText(answer.leaves, query.date.year()));
    const qint64 sinceEntry = answer.entered.secsTo(utc);
    const qint64 untilExit = utc.secsTo(answer.leaves);
    if (sinceEntry < 3600)
        answer.text += u' ' + tr("It had entered %1 only %2 before, at %3.")
                                  .arg(nameOf(sign), minutesText(sinceEntry),
                                       answer.entered.toString(QStringLiteral("HH:mm:ss")));
    else if (untilExit <= 3600)
        answer.text += u' ' + tr("It moved on into %1 only %2 later, at %3.")
                                  .arg(nameOf(zodiac::signAt((zodiac::placeOf(sign) + 1) % 12)),
                                       minutesText(untilExit),
                                       answer.leaves.toString(QStringLiteral("HH:mm:ss")));
    return answer;
}

SignAnswer answerForDay(const BirthQuery& query, const QTimeZone& zone) {
    const QDateTime start = query.date.startOfDay(zone);
    const QDateTime end = query.date.addDays(1).startOfDay(zone);
    if (!start.isValid() || !end.isValid() || start.toMSecsSinceEpoch() >= end.toMSecsSinceEpoch())
        return problem(SignAnswer::Kind::NoSuchTime,
                       tr("There was no %1 in %2: the clocks there skipped that whole day. Check the date of birth.")
                           .arg(dayText(query.date), QString::fromUtf8(query.zoneId)));
    const zodiac::Sign first = signAt(start);
    const zodiac::Sign last = signAt(end.addMSecs(-1));
    if (first == last) {
        SignAnswer answer = signAround(start, zone);
        answer.text = tr("%1: the Sun was in %2 all that day, from %3 to %4 your time.")
                          .arg(bornText(query, std::nullopt), nameOf(first),
                               momentText(answer.entered, query.date.year()),
                               momentText(answer.leaves, query.date.year()));
        return answer;
    }
    SignAnswer answer;
    answer.kind = SignAnswer::Kind::ChangeOver;
    answer.signs = {first, last};
    answer.changeOver = sunReachesAfter(30.0 * zodiac::placeOf(last), start, 2).toTimeZone(zone);
    Q_ASSERT(answer.changeOver.isValid());
    const QString at = answer.changeOver.toString(QStringLiteral("HH:mm:ss"));
    answer.text = tr("%1: the Sun moved from %2 into %3 that day, at %4 your time. Born before %4: %2; "
                     "born at %4 or later: %3.")
                      .arg(bornText(query, std::nullopt), nameOf(first), nameOf(last), at);
    return answer;
}

} // namespace

QList<QDateTime> utcMomentsOf(const QDate& date, const QTime& time, const QTimeZone& zone) {
    const QDateTime asUtc(date, time, QTimeZone::utc());
    QList<int> offsets;
    for (int hours = -72; hours <= 72; hours += 6) {
        const int offset = zone.offsetFromUtc(asUtc.addSecs(hours * 3600));
        if (!offsets.contains(offset))
            offsets << offset;
    }
    QList<QDateTime> moments;
    for (int offset : offsets) {
        const QDateTime utc = asUtc.addSecs(-offset);
        if (zone.offsetFromUtc(utc) == offset)
            moments << utc;
    }
    std::sort(moments.begin(), moments.end());
    return moments;
}

QDate firstSupportedDate() { return {1900, 1, 1}; }
QDate lastSupportedDate() { return {2099, 12, 31}; }

QString offsetText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetSeconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString SignAnswer::headline() const {
    QStringList names;
    for (zodiac::Sign sign : signs)
        names << zodiac::signName(sign);
    return names.join(QStringLiteral(" or "));
}

SignAnswer findSign(const BirthQuery& query) {
    if (!query.date.isValid() || query.date < firstSupportedDate() || query.date > lastSupportedDate())
        return problem(SignAnswer::Kind::OutOfRange,
                       tr("Zelvoria finds the sign for births from %1 to %2; please give a date in that range.")
                           .arg(dayText(firstSupportedDate()), dayText(lastSupportedDate())));
    const QTimeZone zone(query.zoneId);
    if (query.zoneId.isEmpty() || !zone.isValid())
        return problem(SignAnswer::Kind::UnknownZone,
                       tr("\"%1\" is no time zone Zelvoria knows; please choose the birthplace's zone from the list.")
                           .arg(QString::fromUtf8(query.zoneId)));
    if (!query.time)
        return answerForDay(query, zone);
    const QList<QDateTime> moments = utcMomentsOf(query.date, *query.time, zone);
    const QString when = tr("%1 on %2").arg(query.time->toString(QStringLiteral("HH:mm")), dayText(query.date));
    if (moments.isEmpty())
        return problem(SignAnswer::Kind::NoSuchTime,
                       tr("There was no %1 in %2: the clocks went forward over that time. Check the time of birth.")
                           .arg(when, QString::fromUtf8(query.zoneId)));
    if (moments.size() == 1)
        return answerForMoment(query, moments.first(), zone, std::nullopt);
    QList<int> offsets;
    for (const QDateTime& moment : moments)
        offsets << zone.offsetFromUtc(moment);
    if (query.offsetSeconds && offsets.contains(*query.offsetSeconds))
        return answerForMoment(query, moments.at(offsets.indexOf(*query.offsetSeconds)), zone,
                               query.offsetSeconds);
    SignAnswer answer = problem(
        SignAnswer::Kind::TwoTimes,
        tr("%1 came twice in %2, first at %3 and again at %4 after the clocks went back. Choose which one it was.")
            .arg(when, QString::fromUtf8(query.zoneId), offsetText(offsets.first()), offsetText(offsets.last())));
    answer.offsets = offsets;
    return answer;
}

} // namespace sunsign
