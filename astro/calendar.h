// Calendar dates, Julian Dates, Modified Julian Dates and Julian centuries.
//
// Dates up to 1582-10-04 are in the Julian calendar, dates from 1582-10-15 on
// in the Gregorian calendar; years are numbered astronomically (year 0 is
// 1 BC). The routines are valid for every JD ≥ 0 (−4712-01-01 12h) and well
// beyond: whole days are taken with floor, never with truncation, so dates
// before the epoch of the Julian Date convert the same way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// JD − MJD.
inline constexpr double kMjdOffset = 2400000.5;
/// JD of J2000.0 (2000-01-01 12h TT).
inline constexpr double kJ2000 = 2451545.0;
/// Days per Julian century.
inline constexpr double kDaysPerCentury = 36525.0;

/// A calendar date with the time of day.
struct tcalendar_date {
  int day = 1;        ///< 1..31
  int month = 1;      ///< 1..12
  int year = 2000;    ///< astronomical numbering
  double hour = 0.0;  ///< hours since 0h of the day, [0, 24)
};

/// Calendar date and hour → MJD. The hour may be negative or exceed 24; the
/// MJD then falls on a neighbouring day.
double calendar_to_mjd(int day, int month, int year, double hour);
/// Calendar date and hour → JD.
double calendar_to_jd(int day, int month, int year, double hour);
/// MJD → calendar date and hour.
tcalendar_date mjd_to_calendar(double mjd);
/// JD → calendar date and hour.
tcalendar_date jd_to_calendar(double jd);

inline double jd_from_mjd(double mjd) { return mjd + kMjdOffset; }
inline double mjd_from_jd(double jd) { return jd - kMjdOffset; }
/// JD → Julian centuries from J2000.0 (in the time scale of the JD).
inline double centuries_from_j2000(double jd) { return (jd - kJ2000) / kDaysPerCentury; }
/// Julian centuries from J2000.0 → JD.
inline double jd_from_centuries(double t) { return kDaysPerCentury * t + kJ2000; }
/// Julian centuries from J2000.0 → year (2000 + 100·T), e.g. for an epoch of date.
inline double year_from_centuries(double t) { return 2000.0 + 100.0 * t; }
/// Local civil hours and the zone offset (hours, east positive) → UT hours.
inline double ut_from_local(double offset, double local_hours) { return local_hours - offset; }

/// Weekday of the civil day containing JD + offset/24: 0 = Sunday … 6 = Saturday.
int weekday_of(double jd, double offset_hours);

}  // namespace sdro
