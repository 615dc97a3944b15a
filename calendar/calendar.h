// Calendar engine: Julian dates, Christian (Julian/Gregorian) dates, lunar
// phases and the Hijri calendar computed from the instants of new moons.
//
// The arithmetic is fixed operation by operation in IEEE double precision;
// results are reproducible to the last bit only when this library is built
// without floating-point contraction (-ffp-contract=off) and without
// -ffast-math.
//
// Nothing here validates its input: callers check dates before converting.
// Results come back as the address of a static record owned by the engine
// (one for Christian results, one for Hijri results); copy what you need
// before the next call of the same direction. Not reentrant.
#pragma once

#include <string>

struct CalendarDate {
    float fraction; // fraction of the day after its starting midnight (0.5 = noon)
    int day;
    int month; // 1..12
    int year; // as people write it: no year zero, the year before 1 is -1
    int weekday; // 0 = Sunday .. 6 = Saturday
    double newMoon; // whole Julian day of the month's new moon; set only by hijritochrist
};

// Julian date of a Christian date plus a fraction of a day. A whole Julian
// date is noon UT, so a date without a fraction ends in .5. Dates up to
// 4 October 1582 are Julian-calendar dates, from 15 October 1582 Gregorian.
// A year 0 is taken as -1; days and months run on linearly out of range.
double juliandate(int year, int month, int day, float dayFraction);

// Christian date, day fraction and weekday of a Julian date (>= -0.5).
CalendarDate *christiandate(double jd);

// Julian date (UT) of phase 0..3 (new, first quarter, full, last quarter) of
// lunation k, where lunation 0 is the new moon of 1 January 1900. Any other
// phase prints "tmoonphase: illegal phase number" and exits with status 1.
double tmoonphase(int k, int phase);

// Start S of the Hijri month that begins with new moon n: day 1 is the civil
// day whose whole Julian day number is S + 1. Stores the whole Julian day of
// the new moon through newMoonOut.
double monthstart(int n, double *newMoonOut);

// Hijri date of a Christian date (the engine's Hijri record).
CalendarDate *christtohijri(int year, int month, int day);

// Christian date of a Hijri date (the engine's Christian record, newMoon set).
// Day 0 is the last day of the previous month; days run on past the end.
CalendarDate *hijritochrist(int year, int month, int day);

void ConvertToHijri(int year, int month, int day, int *outYear, int *outMonth, int *outDay);
void ConvertToChristian(int year, int month, int day, int *outYear, int *outMonth, int *outDay);

// Month m is element m - 1. These texts are also the month part of stored
// reminder keys: their spelling is part of the user's data.
extern const std::string HijriMonthNames[12];
extern const std::string ChristianMonthNames[12];

// The name of month m (1..12) as the user's language writes it in a date
// (text/display_names.h); the English name above when the program speaks
// English or writes for other programs.
std::string HijriMonthShownName(int month);
std::string ChristianMonthShownName(int month);
