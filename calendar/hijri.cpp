// Hijri <-> Christian conversion. Hijri month M of year Y is one lunation,
// n = 12 * Y' + M - 15813, and begins on the civil day monthstart gives.
#include "calendar/calendar.h"
#include "calendar/lunation.h"

namespace {

// Lunation of 1 Muharram 1405 (26 September 1984); Muharram of the year 1
// (15 July 622, Julian calendar) is lunation -15800.
constexpr int kMuharram1405 = 1048;
constexpr int kLunationOffset = 15813;

CalendarDate s_hijri{};

int astronomicalYear(int year)
{
    return year < 0 ? year + 1 : year;
}

// Floor division and a remainder 0..11, also for negative d.
int floorDiv12(int d)
{
    return d >= 0 ? d / 12 : -((-d + 11) / 12);
}

} // namespace

CalendarDate *christtohijri(int year, int month, int day)
{
    const double jd = juliandate(year, month, day, 0);
    const LunationFound found = FindLunation(EstimateLunation(year, month, day), jd);
    const int lunation = found.lunation;
    const double start = found.start;

    const int d = lunation - kMuharram1405;
    const int q = floorDiv12(d);
    int hijriYear = 1405 + q;
    if (hijriYear <= 0)
        hijriYear = hijriYear - 1; // no year zero
    s_hijri.year = hijriYear;
    s_hijri.month = 1 + (d - 12 * q);
    s_hijri.day = static_cast<int>(jd - start + 1);
    s_hijri.weekday = static_cast<int>(jd + 1.5) % 7;
    s_hijri.fraction = 0.5f;
    return &s_hijri;
}

CalendarDate *hijritochrist(int year, int month, int day)
{
    const int n = 12 * astronomicalYear(year) + month - kLunationOffset;
    const double start = RememberedMonthStart(n);
    CalendarDate *date = christiandate(start + day); // noon of the day sought
    date->newMoon = start - 1; // exact: start is a whole number
    return date;
}

void ConvertToHijri(int year, int month, int day, int *outYear, int *outMonth, int *outDay)
{
    const CalendarDate *h = christtohijri(year, month, day);
    *outYear = h->year;
    *outMonth = h->month;
    *outDay = h->day;
}

void ConvertToChristian(int year, int month, int day, int *outYear, int *outMonth, int *outDay)
{
    const CalendarDate *c = hijritochrist(year, month, day);
    *outYear = c->year;
    *outMonth = c->month;
    *outDay = c->day;
}
