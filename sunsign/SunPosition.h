#pragma once
// Where the Sun stands in the tropical zodiac at a moment of civil time, from the IAU's
// fundamental-astronomy routines (ERFA), and the moments it reaches a given longitude.
//
// Time scales: a moment is given as UTC. From 1972 until a few years past the leap-second table
// of the installed ERFA, TT - UTC is exact (ERFA's eraDat leap seconds + 32.184 s). Outside
// that, civil time is taken as UT1 and TT - UT1 is Delta-T from the Espenak-Meeus polynomials
// (NASA's Five Millennium Canon of Solar Eclipses, 2006), good to about a second over 1900-2020
// and a guess of a minute or so by 2099.

#include <QDateTime>

namespace sunsign {

// TT - UT in seconds by the Espenak-Meeus polynomials, for a decimal year in 1900..2150.
double deltaTSeconds(double decimalYear);

// TT - UTC in seconds at that UTC moment: leap seconds where ERFA knows them, else Delta-T.
double ttMinusUtcSeconds(const QDateTime& utc);

// The Sun's apparent geocentric ecliptic longitude, tropical, true equinox and ecliptic of
// date, in degrees [0, 360).
double apparentSunLongitude(const QDateTime& utc);

// The moment, to the second, in (after, after + withinDays] or [before - withinDays, before)
// at which the Sun's longitude reaches `degrees`. The Sun moves about a degree a day, so a
// window of a few dozen days holds exactly one such moment; invalid if none.
QDateTime sunReachesAfter(double degrees, const QDateTime& after, double withinDays);
QDateTime sunReachedBefore(double degrees, const QDateTime& before, double withinDays);

} // namespace sunsign
