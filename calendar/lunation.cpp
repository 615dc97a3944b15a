#include "calendar/lunation.h"

#include "calendar/calendar.h"
#include "calendar/engine_constants.h"
#include "calendar/hijri_rule.h"

#include <cmath>

namespace {

// monthstart is a pure function of n, so a remembered start is bit for bit
// the one a new evaluation would give. Consecutive days ask for the same two
// or three lunations again and again.
class CMonthStartMemo {
public:
    double Get(int n)
    {
        Slot &slot = m_slots[static_cast<unsigned>(n) & (kSlots - 1)];
        if (!slot.valid || slot.n != n) {
            double newMoon;
            slot.start = monthstart(n, &newMoon);
            slot.n = n;
            slot.valid = true;
        }
        return slot.start;
    }

private:
    static constexpr int kSlots = 8; // power of two
    struct Slot {
        bool valid = false;
        int n = 0;
        double start = 0;
    };
    Slot m_slots[kSlots];
};

CMonthStartMemo s_memo;

// The lunation found last, with its start and a lower bound of the next
// month's start: the days in between need no evaluation at all.
struct LastFound {
    bool valid = false;
    int lunation = 0;
    double start = 0;
    double nextLow = 0;
};
LastFound s_last;

// The narrowest and the widest month start that new moon n can give:
// monthstart is trunc(new moon) + 1.
struct StartRange {
    double low, high;
    bool known; // false where truncation is not a floor (before the Julian period)
};

StartRange startRange(int n)
{
    const double mean = MeanNewMoon(n);
    const double bound = NewMoonDeviationBound(n);
    if (mean - bound <= 0)
        return {0, 0, false};
    return {std::floor(mean - bound) + 1, std::floor(mean + bound) + 1, true};
}

} // namespace

namespace {

// The lunation from the bounds when they settle it, otherwise by the search.
LunationFound settleLunation(int estimate, double jd)
{
    // The mean start of lunation n lies near its mean new moon + 1.
    const int guess = static_cast<int>(std::floor((jd - 1 - MeanNewMoon(0)) / kMeanLunation));
    for (int n = guess - 1; n <= guess + 1; ++n) {
        // The search never looks above the estimate; leave such cases to it.
        if (n > estimate)
            break;
        const StartRange self = startRange(n);
        const StartRange next = startRange(n + 1);
        if (!self.known || !next.known)
            break;
        if (self.high <= jd && jd < next.low)
            return {n, s_memo.Get(n)};
        if (jd < self.low)
            break; // n is already too high: undecided, let the search settle it
    }
    return SearchLunation(estimate, jd);
}

} // namespace

int EstimateLunation(int year, int month, int day)
{
    const int y = AstronomicalYear(year);
    const int monthsBefore = static_cast<int>(month - 0.5);
    // Factors: the doubles nearest 1/12 and 1/365; the added 0.6 keeps the
    // estimate on or above the lunation sought.
    return static_cast<int>(
        (((monthsBefore * 0.08333333333333333 + day * 0.0027397260273972603) + y - 1900) *
            12.3685) +
        0.6);
}

double RememberedMonthStart(int n)
{
    return s_memo.Get(n);
}

double MeanNewMoon(int n)
{
    const double T = n * kPerCentury;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double mean =
        ((kMeanPhaseT2 * T2 - kMeanPhaseT3 * T3) + kMeanLunation * n) + kMeanNewMoonEpoch;
    return UniversalTimeCorrection(T, T2) + mean;
}

double NewMoonDeviationBound(int n)
{
    // The sum of the periodic terms' coefficients (at most 0.6256 days plus
    // the first term's drift 0.000393 T), the small term of the mean phase
    // (0.00033), and a margin far above any rounding of values near 2.4e6.
    const double T = std::fabs(n * kPerCentury);
    return 0.6256 + 0.000393 * T + 0.00033 + 1e-6;
}

LunationFound SearchLunation(int estimate, double jd)
{
    int n = estimate;
    double start;
    do {
        start = s_memo.Get(n);
        n = n - 1;
    } while (start > jd);
    return {n + 1, start};
}

LunationFound FindLunation(int estimate, double jd)
{
    // Months start in order, so start <= jd < nextLow pins the lunation,
    // provided the search from the estimate would reach it.
    if (s_last.valid && s_last.lunation <= estimate && s_last.start <= jd && jd < s_last.nextLow)
        return {s_last.lunation, s_last.start};

    const LunationFound found = settleLunation(estimate, jd);
    const StartRange next = startRange(found.lunation + 1);
    s_last = {next.known, found.lunation, found.start, next.low};
    return found;
}
