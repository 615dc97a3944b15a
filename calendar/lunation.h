// Finding the lunation whose Hijri month holds a given civil day. Private to
// the engine (and its tests).
#pragma once

struct LunationFound {
    int lunation;
    double start; // monthstart of that lunation
};

// The first guess of the lunation of a Christian date: 12.3685 lunations a
// year from 1900; for the years -4000..3000 it lies 0 to 2 lunations above
// the lunation sought.
int EstimateLunation(int year, int month, int day);

// monthstart(n), remembered for the few lunations used last. The new moon's
// whole day is the start less one.
double RememberedMonthStart(int n);

// The rule itself: from the estimate downward, the first lunation whose
// month start is not after jd (the midnight starting the civil day).
LunationFound SearchLunation(int estimate, double jd);

// The same result as SearchLunation, for every input, with fewer
// evaluations of the lunar series: bounds on the new moon's distance from
// its mean instant usually settle the lunation, and one evaluation then
// gives the start. Recent month starts are remembered.
LunationFound FindLunation(int estimate, double jd);

// Mean instant of new moon n (the series without its periodic terms), and a
// bound on how far the true instant can lie from it.
double MeanNewMoon(int n);
double NewMoonDeviationBound(int n);
