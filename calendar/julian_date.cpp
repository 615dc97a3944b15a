// Julian dates and Christian calendar dates.
//
// Each division by a constant is a multiplication by the double nearest its
// reciprocal, and every real-to-integer conversion truncates toward zero; the
// order of operations below is part of the result.
#include "calendar/calendar.h"
#include "calendar/engine_constants.h"
#include "calendar/hijri_rule.h"

namespace {

constexpr double kDiv100 = 0.01;
constexpr double kDiv4 = 0.25;
constexpr double kDivGregorianCentury = 2.7379070069885075e-05; // 1 / 36524.25
constexpr double kDivJulianYear = 0.0027378507871321013; // 1 / 365.25
constexpr double kDivMonthFactor = 0.03267963176590926; // 1 / 30.6001

// Julian date of 0 March of astronomical year 0 (Julian calendar), less the
// day counts that the month and year terms add.
constexpr double kEpoch = 1720994.5;

CalendarDate s_christian{};

} // namespace

double juliandate(int year, int month, int day, float dayFraction)
{
    const int y = AstronomicalYear(year);
    // Count the year from March so that the leap day ends it.
    const int Y = month > 2 ? y : y - 1;
    const int M = month > 2 ? month : month + 12;

    double P = 365.25 * Y;
    if (Y < 1)
        P = P - 0.75; // trunc(P) is then the floor of 365.25 * Y
    const int days = static_cast<int>(30.6001 * (M + 1)) + static_cast<int>(P) + day;
    double jd = (static_cast<double>(days) + static_cast<double>(dayFraction)) + kEpoch;

    // The month as passed in and y (not Y) decide the calendar; G reads as
    // year.MMDD, and 15 October 1582 gives exactly 1582.1015.
    const double G = ((day + static_cast<double>(dayFraction)) * 0.0001 + month * kDiv100) + y;
    if (G >= 1582.1015) {
        const int A = static_cast<int>(Y * kDiv100);
        jd = ((static_cast<int>(A * kDiv4) - A) + jd) + 2;
    }
    return jd;
}

CalendarDate *christiandate(double jd)
{
    const double t = jd + 0.5;
    const int z = static_cast<int>(t);
    const double f = t - z;

    int a = z;
    if (z >= kFirstGregorianDay) {
        const int alpha = static_cast<int>((z - 1867216.25) * kDivGregorianCentury);
        a = z + 1 + alpha - alpha / 4;
    }
    const int b = a + 1524;
    const int k = static_cast<int>((b - 122.1) * kDivJulianYear);
    const int d = static_cast<int>(365.25 * k);
    const int e = static_cast<int>((b - d) * kDivMonthFactor);
    const double v = (b - d - static_cast<int>(30.6001 * e)) + f;

    s_christian.day = static_cast<int>(v);
    s_christian.fraction = static_cast<float>(v - s_christian.day);
    s_christian.month = e > 13 ? e - 13 : e - 1;
    const int astroYear = s_christian.month > 2 ? k - 4716 : k - 4715;
    // t - fraction is z only up to the float's precision; 1.1 keeps it from
    // falling below z + 1.
    s_christian.weekday = static_cast<int>(t - s_christian.fraction + 1.1) % 7;
    s_christian.year = YearAsWritten(astroYear);
    return &s_christian;
}
