// Hijri <-> Christian conversion. Hijri month M of year Y is one lunation,
// HijriMonthIndex(Y, M) + kLunationOfMuharram1 (12 * Y' + M - 15813, Y' the
// astronomical year), and begins on the civil day monthstart gives.
#include "calendar/calendar.h"
#include "calendar/engine_constants.h"
#include "calendar/hijri_rule.h"
#include "calendar/lunation.h"

namespace {

CalendarDate s_hijri{};

} // namespace

CalendarDate *christtohijri(int year, int month, int day)
{
    const double jd = juliandate(year, month, day, 0);
    const LunationFound found = FindLunation(EstimateLunation(year, month, day), jd);
    const int lunation = found.lunation;
    const double start = found.start;

    const YearMonthDay hijri = HijriMonthOfIndex(lunation - kLunationOfMuharram1);
    s_hijri.year = hijri.year;
    s_hijri.month = hijri.month;
    s_hijri.day = static_cast<int>(jd - start + 1);
    s_hijri.weekday = static_cast<int>(jd + 1.5) % 7;
    s_hijri.fraction = 0.5f;
    return &s_hijri;
}

CalendarDate *hijritochrist(int year, int month, int day)
{
    const int n = HijriMonthIndex(year, month) + kLunationOfMuharram1;
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
