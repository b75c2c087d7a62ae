#include "sunsign/SunPosition.h"

#include <erfa.h>
#include <erfam.h>

#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <utility>

namespace sunsign {

namespace {

constexpr double UnixEpochJd = 2440587.5;
constexpr double MsPerDay = 86400000.0;

// Espenak & Meeus, "Five Millennium Canon of Solar Eclipses" (NASA TP-2006-214141), the
// polynomial expressions for Delta-T; the small lunar-acceleration term (< 0.1 s here) left out.
double polynomialDeltaT(double y) {
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

// The moment as a two-part Julian date in TT, the whole days apart from the fraction.
std::pair<double, double> ttJulianDate(const QDateTime& utc) {
    const qint64 ms = utc.toMSecsSinceEpoch() + qint64(std::llround(ttMinusUtcSeconds(utc) * 1000));
    constexpr qint64 day = 86400000;
    const qint64 days = ms >= 0 ? ms / day : -((-ms + day - 1) / day);
    return {UnixEpochJd + double(days), double(ms - days * day) / MsPerDay};
}

// The Sun's longitude less `degrees`, in (-180, 180].
double offsetFrom(double degrees, const QDateTime& utc) {
    const double d = std::remainder(apparentSunLongitude(utc) - degrees, 360.0);
    return d <= -180 ? d + 360 : d;
}

// Regula falsi with the Illinois step on [lo, hi], where the offset goes from below zero to
// zero or above; the Sun's near-even motion makes it converge in a handful of steps.
QDateTime crossing(double degrees, QDateTime lo, QDateTime hi) {
    double flo = offsetFrom(degrees, lo);
    double fhi = offsetFrom(degrees, hi);
    if (!(flo < 0 && fhi >= 0))
        return {};
    int side = 0;
    while (lo.msecsTo(hi) > 500) {
        const qint64 span = lo.msecsTo(hi);
        qint64 step = qint64(double(span) * (-flo) / (fhi - flo));
        step = std::clamp<qint64>(step, 1, span - 1);
        const QDateTime mid = lo.addMSecs(step);
        const double fmid = offsetFrom(degrees, mid);
        if (fmid < 0) {
            lo = mid;
            flo = fmid;
            if (side == -1)
                fhi /= 2;
            side = -1;
        } else {
            hi = mid;
            fhi = fmid;
            if (side == 1)
                flo /= 2;
            side = 1;
        }
        if (std::abs(fmid) < 2e-6) // about 0.2 s of the Sun's motion
            return mid;
    }
    return hi;
}

QDateTime wholeSecond(const QDateTime& t) {
    const qint64 ms = t.toMSecsSinceEpoch() + 500;
    const qint64 seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000, QTimeZone::utc());
}

} // namespace

double deltaTSeconds(double decimalYear) { return polynomialDeltaT(decimalYear); }

double ttMinusUtcSeconds(const QDateTime& utc) {
    const QDateTime u = utc.toUTC();
    const QDate d = u.date();
    const double dayFraction = double(u.time().msecsSinceStartOfDay()) / MsPerDay;
    double leapSeconds = 0;
    // Status 0 only where the table holds: from 1960 to a few years past the library's release.
    if (d.year() >= 1972 && eraDat(d.year(), d.month(), d.day(), dayFraction, &leapSeconds) == 0)
        return leapSeconds + ERFA_TTMTAI;
    return polynomialDeltaT(d.year() + (d.dayOfYear() - 0.5) / d.daysInYear());
}

double apparentSunLongitude(const QDateTime& utc) {
    const auto [tt1, tt2] = ttJulianDate(utc);
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(tt1, tt2, pvh, pvb); // status 1 only outside 1900-2100
    // The Sun seen from the Earth's centre is the Earth's heliocentric position reversed.
    double sun[3];
    for (int i = 0; i < 3; ++i)
        sun[i] = -pvh[0][i];
    double distance = 0;
    double direction[3];
    eraPn(sun, &distance, direction);
    // Annual aberration by the Earth's barycentric velocity, in units of the speed of light.
    double velocity[3];
    for (int i = 0; i < 3; ++i)
        velocity[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double speed = eraPm(velocity);
    double apparent[3];
    eraAb(direction, velocity, distance, std::sqrt(1 - speed * speed), apparent);
    // To the mean ecliptic and equinox of date, then nutation in longitude to the true equinox.
    double toEcliptic[3][3];
    eraEcm06(tt1, tt2, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, apparent, ecliptic);
    double longitude = 0;
    double latitude = 0;
    eraC2s(ecliptic, &longitude, &latitude);
    double dpsi = 0;
    double deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    return eraAnp(longitude + dpsi) * ERFA_DR2D;
}

QDateTime sunReachesAfter(double degrees, const QDateTime& after, double withinDays) {
    const QDateTime t = crossing(degrees, after.toUTC(),
                                 after.toUTC().addMSecs(qint64(withinDays * MsPerDay)));
    return t.isValid() ? wholeSecond(t) : t;
}

QDateTime sunReachedBefore(double degrees, const QDateTime& before, double withinDays) {
    const QDateTime t = crossing(degrees, before.toUTC().addMSecs(-qint64(withinDays * MsPerDay)),
                                 before.toUTC());
    return t.isValid() ? wholeSecond(t) : t;
}

} // namespace sunsign
