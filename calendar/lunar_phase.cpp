// Instants of the Moon's phases from the classical lower-precision series
// (mean lunation 29.53058868 days, epoch 2415020.75933 = 1900 January 0.75933
// ephemeris time), and the first-crescent rule that turns a new moon into the
// first day of its Hijri month.
//
// Every sum is formed in the order written; changing it changes the last bits.
#include "calendar/calendar.h"
#include "calendar/engine_constants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kRadian = 0.017453292519943295; // pi / 180
constexpr double kTwoRadian = 0.03490658503988659; // pi / 90, gives 2F directly

struct Angles {
    double M; // Sun's mean anomaly, radians
    double Mp; // Moon's mean anomaly, radians
    double F2; // twice the Moon's argument of latitude, radians
};

// New and full moon (phases 0 and 2).
double syzygySeries(double T, const Angles &a)
{
    const double M = a.M, Mp = a.Mp, F2 = a.F2;
    double p = (0.1734 - 0.000393 * T) * std::sin(M);
    p = p + -0.0074 * std::sin(M - Mp);
    p = p + -0.0004 * std::sin(F2 - M);
    p = p + -0.0051 * std::sin(M + Mp);
    p = p + 0.0010 * std::sin(F2 - Mp);
    p = p + -0.0006 * std::sin(F2 + Mp);
    p = p + 0.0005 * std::sin(M + 2 * Mp);
    p = p + -0.0004 * std::sin(3 * Mp);
    p = p + 0.0004 * std::sin(F2 + M);
    p = p + 0.0021 * std::sin(2 * M);
    p = p + -0.4068 * std::sin(Mp);
    p = p + 0.0161 * std::sin(2 * Mp);
    p = p + 0.0104 * std::sin(F2);
    return p;
}

// First and last quarter (phases 1 and 3), without the phase's own term.
double quarterSeries(double T, const Angles &a)
{
    const double M = a.M, Mp = a.Mp, F2 = a.F2;
    double q = (0.1721 - 0.0004 * T) * std::sin(M);
    q = q + 0.0004 * std::sin(M - 2 * Mp);
    q = q + -0.0004 * std::sin(F2 - M);
    q = q + -0.0047 * std::sin(M - Mp);
    q = q + -0.0119 * std::sin(M + Mp);
    q = q + 0.0021 * std::sin(F2 - Mp);
    q = q + -0.0003 * std::sin(2 * M + Mp);
    q = q + -0.0006 * std::sin(F2 + Mp);
    q = q + -0.0004 * std::sin(3 * Mp);
    q = q + 0.0003 * std::sin(M + 2 * Mp);
    q = q + 0.0003 * std::sin(F2 + M);
    q = q + -0.6280 * std::sin(Mp);
    q = q + 0.0089 * std::sin(2 * Mp);
    q = q + 0.0021 * std::sin(2 * M);
    q = q + 0.0079 * std::sin(F2);
    return q;
}

[[noreturn]] void illegalPhase()
{
    std::printf("tmoonphase: illegal phase number\n");
    std::exit(1);
}

} // namespace

double tmoonphase(int k, int phase)
{
    const double K = phase * 0.25 + k;
    const double T = K * kPerCentury; // about a century per unit
    const double T2 = T * T;
    const double T3 = T2 * T;

    double s = 0.00033 * std::sin(((132.87 * T - 0.009173 * T2) + 166.56) * kRadian);
    s = s + kMeanPhaseT2 * T2;
    s = s - kMeanPhaseT3 * T3;
    s = s + kMeanLunation * K;
    const double meanPhase = s + kMeanNewMoonEpoch;

    Angles a;
    a.M = (((-0.00000347 * T3 - 0.0000333 * T2) + 29.10535608 * K) + 359.2242) * kRadian;
    a.Mp = (((385.81691806 * K + 0.00001236 * T3) + 0.0107306 * T2) + 306.0253) * kRadian;
    a.F2 = (((-0.0016528 * T2 - 0.00000239 * T3) + 390.67050646 * K) + 21.2964) * kTwoRadian;

    double P;
    switch (phase) {
    case 0:
    case 2:
        P = syzygySeries(T, a);
        break;
    case 1:
        P = ((-0.0004 * std::cos(a.M) + 0.0003 * std::cos(a.Mp)) + quarterSeries(T, a)) + 0.0028;
        break;
    case 3:
        P = ((0.0004 * std::cos(a.M) - 0.0003 * std::cos(a.Mp)) + quarterSeries(T, a)) - 0.0028;
        break;
    default:
        illegalPhase();
    }

    return UniversalTimeCorrection(T, T2) + meanPhase + P;
}

double monthstart(int n, double *newMoonOut)
{
    const double W = std::trunc(tmoonphase(n, 0));
    *newMoonOut = W;
    // Day 1 is the first civil day (UT) beginning more than 12 hours after the
    // new moon: the one that starts at the midnight W + 1.5.
    return W + 1;
}
